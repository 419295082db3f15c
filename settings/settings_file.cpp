// Reading and writing radio.ini: the sections in their fixed order, CR LF line
// ends on disk, and a replace-after-complete-write so a failed save loses nothing.
#include "settings/settings_file.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// A line of the file is looked at through an 81-byte buffer: at most 80
// characters, the line end included, per read.
constexpr std::size_t kLineBufferSize = 81;
constexpr std::size_t kLineMax = kLineBufferSize - 1;

// Forward-only reader over the file's bytes. CR LF, a lone LF and a lone CR
// each count as one line end, so files written on any system read alike.
struct TextCursor {
    const char* pos;
    const char* end;

    bool atEnd() const { return pos >= end; }

    // Next character with every line end folded into '\n'; -1 at the end.
    int peek() const {
        if (pos >= end) return -1;
        if (pos[0] == '\r') return '\n';
        return static_cast<unsigned char>(pos[0]);
    }
    int get() {
        const int c = peek();
        if (c < 0) return c;
        pos += (pos[0] == '\r' && pos + 1 < end && pos[1] == '\n') ? 2 : 1;
        return c;
    }

    // Like fgets with an 81-byte buffer: up to 80 characters, stopping after a
    // line end. Returns the number of characters stored (0 only at the end).
    std::size_t readPiece(char* buffer) {
        std::size_t n = 0;
        while (n < kLineMax) {
            const int c = get();
            if (c < 0) break;
            buffer[n++] = static_cast<char>(c);
            if (c == '\n') break;
        }
        buffer[n] = '\0';
        return n;
    }

    // One whole line for the fixed-position reads (the last-station line and
    // the two ten-line blocks): its first 80 characters are kept, the rest of
    // the line is dropped, so an over-long line never shifts the lines after
    // it. The line end is not stored. Returns false at the end of the text.
    bool readWholeLine(char* buffer, std::size_t* length) {
        if (atEnd()) return false;
        std::size_t n = 0;
        for (;;) {
            const int c = get();
            if (c < 0 || c == '\n') break;
            if (n < kLineMax) buffer[n++] = static_cast<char>(c);
        }
        buffer[n] = '\0';
        *length = n;
        return true;
    }

    void skipSpace() {
        for (int c = peek(); c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' ||
                             c == '\r';
             c = peek()) {
            get();
        }
    }
};

bool isBlank(int c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isDigit(int c) { return c >= '0' && c <= '9'; }

int hexValue(int c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Copies at most capacity - 1 characters and always terminates.
void copyBounded(char* field, std::size_t capacity, const char* text, std::size_t length) {
    if (length > capacity - 1) length = capacity - 1;
    std::memcpy(field, text, length);
    field[length] = '\0';
}

// First blank-delimited token of `line` into the field, cut to the field.
// Returns false when the line holds no token.
bool firstToken(const char* line, std::size_t length, char* field, std::size_t capacity) {
    std::size_t start = 0;
    while (start < length && isBlank(static_cast<unsigned char>(line[start]))) ++start;
    if (start >= length || line[start] == '\0') return false;
    std::size_t stop = start;
    while (stop < length && line[stop] != '\0' &&
           !isBlank(static_cast<unsigned char>(line[stop]))) {
        ++stop;
    }
    copyBounded(field, capacity, line + start, stop - start);
    return true;
}

// Reads pieces until one begins with the first `n` characters of `header`.
// Returns false when the end of the text comes first.
bool findHeader(TextCursor& in, const char* header, std::size_t n) {
    char piece[kLineBufferSize];
    for (;;) {
        const std::size_t length = in.readPiece(piece);
        if (length == 0) return false;
        if (length >= n && std::memcmp(piece, header, n) == 0) return true;
    }
}

// Decimal integer as "%d" reads it: white space skipped, optional sign, digits;
// the position ends behind the last digit. Values beyond the 32-bit range are
// held at its ends. Leaves the field alone when no digit follows.
void readDecimal(TextCursor& in, int32_t& field) {
    in.skipSpace();
    bool negative = false;
    if (in.peek() == '+' || in.peek() == '-') negative = in.get() == '-';
    if (!isDigit(in.peek())) return;
    int64_t value = 0;
    while (isDigit(in.peek())) {
        if (value <= INT64_C(0x100000000)) value = value * 10 + (in.get() - '0');
        else in.get();
    }
    if (negative) value = -value;
    if (value > INT32_MAX) value = INT32_MAX;
    if (value < INT32_MIN) value = INT32_MIN;
    field = static_cast<int32_t>(value);
}

// Hexadecimal port number with an optional 0x prefix; keeps its low 16 bits.
void readHexPort(TextCursor& in, uint16_t& field) {
    in.skipSpace();
    if (in.peek() == '0' && in.pos + 1 < in.end && (in.pos[1] == 'x' || in.pos[1] == 'X') &&
        in.pos + 2 < in.end && hexValue(static_cast<unsigned char>(in.pos[2])) >= 0) {
        in.pos += 2;
    }
    if (hexValue(in.peek()) < 0) return;
    uint32_t value = 0;
    while (hexValue(in.peek()) >= 0) value = (value << 4) | static_cast<uint32_t>(hexValue(in.get()));
    field = static_cast<uint16_t>(value);
}

// Next blank-delimited token, as "%s" reads it, cut to the field. A token
// that starts with '[' is the next header (the value is missing, e.g. an empty
// duration was saved): it is left unread so the following sections still load.
void readToken(TextCursor& in, char* field, std::size_t capacity) {
    in.skipSpace();
    if (in.atEnd() || in.peek() == '[') return;
    std::size_t n = 0;
    while (!in.atEnd() && !isBlank(in.peek())) {
        const int c = in.get();
        if (n < capacity - 1) field[n++] = static_cast<char>(c);
    }
    field[n] = '\0';
}

// The bases 0x20C and 0x30C mean their cards' ports; any other value would
// send the card's writes to a port that belongs to something else (port 0 is
// the DMA controller's), so it is read as the first card's port.
uint16_t cardPort(uint16_t value) {
    if (value == kPort30F || value == 0x30C) return kPort30F;
    return kPort20F;
}

// Notepad's "Unicode" save: UTF-16 after a byte-order mark, in either byte
// order. Returns the 8-bit text it holds (characters beyond Latin-1 become
// '?') in a block the caller frees, or null when the text has no such mark.
// (No std::string here: it would more than double the size of the program.)
char* narrowUtf16(const char* text, std::size_t length, std::size_t* narrowLength) {
    if (length < 2) return nullptr;
    const unsigned char first = static_cast<unsigned char>(text[0]);
    const unsigned char second = static_cast<unsigned char>(text[1]);
    const bool bigEndian = first == 0xFE && second == 0xFF;
    if (!bigEndian && !(first == 0xFF && second == 0xFE)) return nullptr;
    char* out = static_cast<char*>(std::malloc(length / 2 + 1));
    if (out == nullptr) return nullptr;
    std::size_t n = 0;
    for (std::size_t i = 2; i + 1 < length; i += 2) {
        const unsigned char a = static_cast<unsigned char>(text[i]);
        const unsigned char b = static_cast<unsigned char>(text[i + 1]);
        const unsigned unit = bigEndian ? (a << 8 | b) : (b << 8 | a);
        if (unit < 0x100) {
            out[n++] = static_cast<char>(unit);
            continue;
        }
        out[n++] = '?';
        // A surrogate pair is one character.
        if (unit >= 0xD800 && unit < 0xDC00 && i + 3 < length) {
            const unsigned char c = static_cast<unsigned char>(text[i + 2]);
            const unsigned char d = static_cast<unsigned char>(text[i + 3]);
            const unsigned next = bigEndian ? (c << 8 | d) : (d << 8 | c);
            if (next >= 0xDC00 && next < 0xE000) i += 2;
        }
    }
    *narrowLength = n;
    return out;
}

void parseSections(const char* text, std::size_t length, RadioSettings& settings) {
    TextCursor in{text, text + length};
    char line[kLineBufferSize];
    std::size_t lineLength = 0;

    // The first line is the "[LAST STATION]" header, taken as it is.
    if (!in.readWholeLine(line, &lineLength)) return;
    if (!in.readWholeLine(line, &lineLength)) return;
    firstToken(line, lineLength, settings.lastStation(), kFrequencyTextSize);

    if (!findHeader(in, "[PRESETS]", 9)) return;
    for (int i = 0; i < kPresetCount; ++i) {
        if (!in.readWholeLine(line, &lineLength)) return;
        char* frequency = settings.presets.slot[i].frequency;
        if (!firstToken(line, lineLength, frequency, kFrequencyTextSize)) {
            copyBounded(frequency, kFrequencyTextSize, "88.0", 4);
        }
    }

    if (!findHeader(in, "[PRESET_INFORMATION]", 17)) return;
    for (int i = 0; i < kPresetCount; ++i) {
        if (!in.readWholeLine(line, &lineLength)) return;
        char* description = settings.presets.slot[i].description;
        if (lineLength == 0) copyBounded(description, kDescriptionSize, "N/A", 3);
        else copyBounded(description, kDescriptionSize, line, lineLength);
    }

    if (!findHeader(in, "[POWER STATUS]", 10)) return;
    readDecimal(in, settings.powerStatus);
    if (!findHeader(in, "[BUTTON BEEPS]", 8)) return;
    readDecimal(in, settings.buttonBeeps);
    if (!findHeader(in, "[TRAY STATUS]", 10)) return;
    readDecimal(in, settings.trayStatus);
    // The icon is either shown or not: a hand-edited value other than 0 reads
    // as 1, so start-up, Options and Exit agree on whether the icon is there.
    if (settings.trayStatus != 0) settings.trayStatus = 1;
    if (!findHeader(in, "[PRESET_CYCLE_DURATION]", 20)) return;
    readToken(in, settings.presetCycleDuration, kCycleDurationSize);
    if (!findHeader(in, "[PRESET_CYCLE_FLAG]", 17)) return;
    readDecimal(in, settings.presetCycleFlag);
    if (!findHeader(in, "[TITLEBAR_FLAG]", 12)) return;
    readDecimal(in, settings.titleBarFlag);
    if (!findHeader(in, "[IO PORT]", 8)) return;
    readHexPort(in, settings.ioPort);
}

}  // namespace

void parseSettingsText(const char* text, std::size_t length, RadioSettings& settings) {
    std::size_t narrowLength = 0;
    if (char* narrow = narrowUtf16(text, length, &narrowLength)) {
        parseSections(narrow, narrowLength, settings);
        std::free(narrow);
    } else {
        parseSections(text, length, settings);
    }
    // Whatever the file says (or leaves out), the card is only ever written at
    // one of its two ports.
    settings.ioPort = cardPort(settings.ioPort);
}

bool readSettingsFile(const char* path, RadioSettings& settings, SystemServices& system) {
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr) {
        system.showMessage("Error opening radio.ini file!\n", "Error");
        system.endProcess(0);
        return false;
    }
    // The whole file is taken into memory and parsed there; a read error ends
    // the text where it happened, like the end of the file.
    std::size_t capacity = 4096;
    std::size_t length = 0;
    char* text = static_cast<char*>(std::malloc(capacity));
    while (text != nullptr) {
        if (length == capacity) {
            char* larger = static_cast<char*>(std::realloc(text, capacity * 2));
            if (larger == nullptr) break;
            text = larger;
            capacity *= 2;
        }
        const std::size_t got = std::fread(text + length, 1, capacity - length, file);
        length += got;
        if (got == 0) break;
    }
    if (text != nullptr) parseSettingsText(text, length, settings);
    std::free(text);
    if (std::fclose(file) != 0) system.showMessage("Radio.ini file was not closed!", "ERROR");
    return true;
}

std::size_t formatSettingsText(const RadioSettings& settings, const char* lastStation,
                               int powerStatus, char* out, std::size_t capacity) {
    std::size_t used = 0;
    // Appends like snprintf; `used` keeps counting past the capacity so the
    // caller learns the size it would need.
    auto append = [&](const char* format, auto... values) {
        const std::size_t room = used < capacity ? capacity - used : 0;
        const int n = std::snprintf(room > 0 ? out + used : nullptr, room, format, values...);
        if (n > 0) used += static_cast<std::size_t>(n);
    };
    const int frequencyWidth = static_cast<int>(kFrequencyTextSize - 1);
    const int durationWidth = static_cast<int>(kCycleDurationSize - 1);

    if (capacity > 0) out[0] = '\0';
    append("[LAST STATION]\r\n%.*s\r\n", frequencyWidth, lastStation != nullptr ? lastStation : "");
    append("%s", "\r\n[PRESETS]\r\n");
    for (int i = 0; i < kPresetCount; ++i) {
        append("%.*s\r\n", frequencyWidth, settings.presets.slot[i].frequency);
    }
    append("%s", "\r\n[PRESET_INFORMATION]\r\n");
    for (int i = 0; i < kPresetCount; ++i) {
        // One description a line: a line break inside one (only text sent to
        // the field by another program has one) is written as a blank, so the
        // descriptions after it keep their places.
        const char* from = settings.presets.slot[i].description;
        char description[kDescriptionSize];
        std::size_t n = 0;
        for (; n < kDescriptionSize - 1 && from[n] != '\0'; ++n) {
            description[n] = (from[n] == '\r' || from[n] == '\n') ? ' ' : from[n];
        }
        description[n] = '\0';
        append("%s\r\n", description);
    }
    append("\r\n[POWER STATUS]\r\n%d\r\n", powerStatus);
    append("\r\n[BUTTON BEEPS]\r\n%d\r\n", static_cast<int>(settings.buttonBeeps));
    append("\r\n[TRAY STATUS]\r\n%d\r\n", static_cast<int>(settings.trayStatus));
    append("\r\n[PRESET_CYCLE_DURATION]\r\n%.*s\r\n", durationWidth, settings.presetCycleDuration);
    append("\r\n[PRESET_CYCLE_FLAG]\r\n%d\r\n", static_cast<int>(settings.presetCycleFlag));
    append("\r\n[TITLEBAR_FLAG]\r\n%d\r\n", static_cast<int>(settings.titleBarFlag));
    append("\r\n[IO PORT]\r\n%x", static_cast<unsigned>(settings.ioPort));
    return used;
}

namespace {

constexpr int kTemporaryNameAttempts = 16;

// The save failed: the temporary file (if this call made it) is removed, the
// old radio.ini is left as it was, and the user is told before the end.
int failWrite(const char* tempPath, bool tempCreated, const char* reason, SystemServices& system) {
    if (tempCreated && tempPath != nullptr) std::remove(tempPath);
    char line[256];
    std::snprintf(line, sizeof line, "%s\n", reason);
    system.printText(line);
    system.showMessage("Can't open radio.ini for writing!", "Error");
    system.endProcess(0);
    return -1;
}

const char* errorText(int error) {
    return error != 0 ? std::strerror(error) : "Input/output error";
}

}  // namespace

int writeSettingsFile(const char* path, const char* lastStation, int powerStatus,
                      const RadioSettings& settings, SystemServices& system) {
    // Ten descriptions of 80 characters and every other field at its widest
    // stay well below this size.
    char text[2048];
    const std::size_t length = formatSettingsText(settings, lastStation, powerStatus, text, sizeof text);
    if (length >= sizeof text) return failWrite(nullptr, false, std::strerror(ENOSPC), system);

    // Replacing by rename would ignore a read-only radio.ini, which opening it
    // for writing honours: an existing file must open for update first.
    errno = 0;
    if (std::FILE* existing = std::fopen(path, "r+b")) {
        std::fclose(existing);
    } else if (errno != ENOENT) {
        return failWrite(nullptr, false, errorText(errno), system);
    }

    // Each save writes a temporary file of its own beside radio.ini, named
    // after the process and the attempt, so copies exiting together never
    // write into one file (the last to replace wins), and a name that cannot
    // be created (left behind read-only, or as a folder) is passed over.
    char tempPath[1024];
    std::FILE* file = nullptr;
    int openError = 0;
    for (int attempt = 0; attempt < kTemporaryNameAttempts && file == nullptr; ++attempt) {
        const int n = std::snprintf(tempPath, sizeof tempPath, "%s.%lu-%d.tmp", path, system.processId(),
                                    attempt);
        if (n < 0 || static_cast<std::size_t>(n) >= sizeof tempPath) {
            return failWrite(nullptr, false, std::strerror(ENAMETOOLONG), system);
        }
        errno = 0;
        file = std::fopen(tempPath, "wb");
        if (file == nullptr) openError = errno;
    }
    if (file == nullptr) return failWrite(nullptr, false, errorText(openError), system);
    errno = 0;
    const bool written = std::fwrite(text, 1, length, file) == length;
    int error = errno;
    const bool flushed = written && std::fflush(file) == 0;
    if (written && !flushed) error = errno;
    const bool closed = std::fclose(file) == 0;
    if (written && flushed && !closed) error = errno;
    if (!written || !flushed || !closed) return failWrite(tempPath, true, errorText(error), system);

    errno = 0;
    if (!system.replaceFile(tempPath, path)) {
        return failWrite(tempPath, true, errno != 0 ? std::strerror(errno) : "radio.ini could not be replaced", system);
    }
    return 0;
}

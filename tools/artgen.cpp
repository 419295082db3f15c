// artgen: turns tunrix's pixel-art text sources (resources/art/*.txt) into the
// BMP and ICO files the resource script includes, and writes beep.wav.
//
// The text format, one statement per line (trailing blanks are ignored):
//   # words          a comment (outside a pixels block)
//   bitmap W H       the file is one bitmap of W x H pixels
//   icon             the file is an icon; each of its sizes starts with
//   image W H        one picture of W x H pixels inside an icon
//   color C RRGGBB   character C stands for that colour (hex); C may be any
//                    printable character except a blank
//   color C none     character C is transparent (icons only)
//   pixels           exactly H rows of exactly W characters follow, then
//   end
// Colours stay defined for the later images of the same file. The output
// files carry the source's name: name.txt becomes name.bmp, or name.ico for
// an icon, whose source name must start with "icon_" so that the build knows
// what to expect.
#include "artgen.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>

namespace artgen {
namespace {

constexpr int kMaxSide = 256;

void put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}

void put32(std::vector<uint8_t>& out, uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

void putTag(std::vector<uint8_t>& out, const char* tag) {
    for (int i = 0; i < 4; ++i) out.push_back(uint8_t(tag[i]));
}

// BITMAPINFOHEADER for an uncompressed DIB. `coloursUsed` is the number of
// palette entries that follow it (0: none, or the full 2^bits for icons).
void putInfoHeader(std::vector<uint8_t>& out, int width, int height, int bits, uint32_t imageSize,
                   uint32_t coloursUsed) {
    put32(out, 40);
    put32(out, uint32_t(width));
    put32(out, uint32_t(height));
    put16(out, 1);
    put16(out, uint32_t(bits));
    put32(out, 0);            // BI_RGB
    put32(out, imageSize);
    put32(out, 2835);         // 72 dots per inch
    put32(out, 2835);
    put32(out, coloursUsed);
    put32(out, 0);
}

// Palette entries are stored as B, G, R and a zero byte.
void putPaletteEntry(std::vector<uint8_t>& out, uint32_t colour) {
    out.push_back(uint8_t(colour));
    out.push_back(uint8_t(colour >> 8));
    out.push_back(uint8_t(colour >> 16));
    out.push_back(0);
}

// Bytes per row of a DIB: rows are padded to whole 32-bit words.
uint32_t rowStride(int width, int bits) { return (uint32_t(width) * uint32_t(bits) + 31) / 32 * 4; }

// Appends one row of palette indices packed at `bits` (1, 4 or 8) per pixel,
// leftmost pixel in the most significant bits, padded like every DIB row.
void putIndexRow(std::vector<uint8_t>& out, const uint8_t* indices, int width, int bits) {
    const size_t rowStart = out.size();
    out.resize(rowStart + rowStride(width, bits), 0);
    for (int x = 0; x < width; ++x) {
        const size_t bit = size_t(x) * size_t(bits);
        out[rowStart + bit / 8] |= uint8_t(indices[x] << (8 - bits - int(bit % 8)));
    }
}

// The fewest bits per pixel that index `colours` palette entries (at most 256).
int indexBits(size_t colours) { return colours <= 2 ? 1 : colours <= 16 ? 4 : 8; }

std::vector<std::string> splitWords(const std::string& line) {
    std::vector<std::string> words;
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
        size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t') ++i;
        if (i > start) words.push_back(line.substr(start, i - start));
    }
    return words;
}

bool parseSide(const std::string& word, int& value) {
    if (word.empty() || word.size() > 3) return false;
    int v = 0;
    for (char c : word) {
        if (c < '0' || c > '9') return false;
        v = v * 10 + (c - '0');
    }
    if (v < 1 || v > kMaxSide) return false;
    value = v;
    return true;
}

bool parseColour(const std::string& word, uint32_t& colour) {
    if (word == "none") {
        colour = kTransparent;
        return true;
    }
    if (word.size() != 6) return false;
    uint32_t v = 0;
    for (char c : word) {
        int d;
        if (c >= '0' && c <= '9') d = c - '0';
        else if (c >= 'a' && c <= 'f') d = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F') d = c - 'A' + 10;
        else return false;
        v = v * 16 + uint32_t(d);
    }
    colour = v;
    return true;
}

}  // namespace

bool parseArt(const std::string& text, ArtFile& art, std::string& error) {
    art = ArtFile();
    std::map<char, uint32_t> palette;
    // kStart: between images; kBody: size known, colours may follow;
    // kRows: reading pixel rows; kDone: rows complete, 'end' expected;
    // kClosed: a bitmap's one image is complete.
    enum { kStart, kBody, kRows, kDone, kClosed } state = kStart;
    bool sawKind = false;
    Image current;
    int rowsRead = 0;
    int lineNumber = 0;
    auto fail = [&](const std::string& message) {
        error = "line " + std::to_string(lineNumber) + ": " + message;
        return false;
    };

    size_t pos = 0;
    while (pos < text.size()) {   // a final newline does not start another line
        size_t newline = text.find('\n', pos);
        if (newline == std::string::npos) newline = text.size();
        std::string line = text.substr(pos, newline - pos);
        pos = newline + 1;
        ++lineNumber;
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
            line.pop_back();

        if (state == kRows) {
            if (int(line.size()) != current.width)
                return fail("pixel row has " + std::to_string(line.size()) + " characters, expected " +
                            std::to_string(current.width));
            for (char c : line) {
                auto found = palette.find(c);
                if (found == palette.end()) return fail(std::string("character '") + c + "' has no colour");
                if (found->second == kTransparent && !art.isIcon)
                    return fail("a bitmap cannot have transparent pixels");
                current.pixels.push_back(found->second);
            }
            if (++rowsRead == current.height) state = kDone;
            continue;
        }

        std::vector<std::string> words = splitWords(line);
        if (words.empty() || words[0][0] == '#') continue;
        const std::string& verb = words[0];

        if (state == kClosed) return fail("a bitmap file holds one image");

        if (verb == "bitmap" || verb == "icon") {
            if (sawKind) return fail("a file is either one bitmap or one icon");
            sawKind = true;
            art.isIcon = verb == "icon";
            if (art.isIcon) {
                if (words.size() != 1) return fail("write 'icon' alone; each size starts with 'image W H'");
            } else {
                if (words.size() != 3 || !parseSide(words[1], current.width) ||
                    !parseSide(words[2], current.height))
                    return fail("expected 'bitmap W H' with sides 1-256");
                state = kBody;
            }
        } else if (verb == "image") {
            if (!art.isIcon) return fail("'image' belongs in an icon file");
            if (state != kStart) return fail("the previous image is not finished");
            current = Image();
            if (words.size() != 3 || !parseSide(words[1], current.width) || !parseSide(words[2], current.height))
                return fail("expected 'image W H' with sides 1-256");
            state = kBody;
        } else if (verb == "color") {
            if (!sawKind) return fail("'bitmap' or 'icon' must come first");
            if (state == kDone) return fail("'end' expected after the pixel rows");
            uint32_t colour;
            if (words.size() != 3 || words[1].size() != 1 || !parseColour(words[2], colour))
                return fail("expected 'color C RRGGBB' or 'color C none'");
            if (colour == kTransparent && !art.isIcon) return fail("a bitmap cannot have transparent pixels");
            char c = words[1][0];
            if (c < '!' || c > '~') return fail("a colour character must be printable");
            auto found = palette.find(c);
            if (found != palette.end() && found->second != colour)
                return fail(std::string("character '") + c + "' defined twice");
            palette[c] = colour;
        } else if (verb == "pixels") {
            if (state != kBody || words.size() != 1) return fail("'pixels' must follow 'bitmap W H' or 'image W H'");
            current.pixels.clear();
            current.pixels.reserve(size_t(current.width) * size_t(current.height));
            rowsRead = 0;
            state = kRows;
        } else if (verb == "end") {
            if (state != kDone || words.size() != 1) return fail("'end' must follow the last pixel row");
            art.images.push_back(current);
            state = art.isIcon ? kStart : kClosed;
        } else {
            return fail("unknown statement '" + verb + "'");
        }
    }

    lineNumber = 0;
    if (!sawKind) return fail("empty file: expected 'bitmap W H' or 'icon'");
    if (state == kRows) return fail("the file ends before all pixel rows are given");
    if (state == kBody || state == kDone) return fail("the last image is not closed with 'end'");
    if (art.images.empty()) return fail("no image in the file");
    return true;
}

std::vector<uint8_t> encodeBmp(const Image& image) {
    // Palette in ascending colour order, as long as it stays within 256 entries.
    std::map<uint32_t, uint8_t> indexOf;
    for (uint32_t p : image.pixels) {
        indexOf.emplace(p & 0xFFFFFF, 0);
        if (indexOf.size() > 256) break;
    }
    const bool indexed = indexOf.size() <= 256;
    std::vector<uint32_t> palette;
    int bits = 24;
    if (indexed) {
        for (auto& entry : indexOf) {
            entry.second = uint8_t(palette.size());
            palette.push_back(entry.first);
        }
        bits = indexBits(palette.size());
        // Windows turns a 1-bit DIB whose palette is black and white into a
        // monochrome bitmap, which takes the colours of the DC it is drawn
        // into; 4 bits keep such an image in its own colours.
        if (bits == 1 && palette.size() == 2 && palette[0] == 0x000000 && palette[1] == 0xFFFFFF) bits = 4;
        // A 1-bit palette has two entries even for a one-colour image, so
        // that no reader looks past the palette for the second one.
        if (bits == 1 && palette.size() == 1) palette.push_back(palette[0]);
    }

    const uint32_t stride = rowStride(image.width, bits);
    const uint32_t imageSize = stride * uint32_t(image.height);
    const uint32_t dataOffset = 54 + 4 * uint32_t(palette.size());
    std::vector<uint8_t> out;
    out.reserve(dataOffset + imageSize);
    out.push_back('B');
    out.push_back('M');
    put32(out, dataOffset + imageSize);
    put32(out, 0);
    put32(out, dataOffset);
    putInfoHeader(out, image.width, image.height, bits, imageSize, uint32_t(palette.size()));
    for (uint32_t c : palette) putPaletteEntry(out, c);
    std::vector<uint8_t> indices(size_t(image.width));
    for (int y = image.height - 1; y >= 0; --y) {
        if (indexed) {
            for (int x = 0; x < image.width; ++x) indices[size_t(x)] = indexOf[image.at(x, y) & 0xFFFFFF];
            putIndexRow(out, indices.data(), image.width, bits);
            continue;
        }
        size_t rowStart = out.size();
        for (int x = 0; x < image.width; ++x) {
            uint32_t c = image.at(x, y) & 0xFFFFFF;
            out.push_back(uint8_t(c));
            out.push_back(uint8_t(c >> 8));
            out.push_back(uint8_t(c >> 16));
        }
        while (out.size() - rowStart < stride) out.push_back(0);
    }
    return out;
}

bool encodeIco(const ArtFile& art, std::vector<uint8_t>& out, std::string& error) {
    out.clear();
    if (art.images.empty()) {
        error = "an icon needs at least one image";
        return false;
    }
    std::vector<std::vector<uint8_t>> entries;
    std::vector<int> entryBits;
    for (const Image& image : art.images) {
        // Index 0 is black: transparent pixels use it, with their mask bit set.
        std::vector<uint32_t> colours{0x000000};
        std::map<uint32_t, uint8_t> indexOf{{0x000000, 0}};
        std::vector<uint8_t> indices;
        for (uint32_t p : image.pixels) {
            if (p == kTransparent) {
                indices.push_back(0);
                continue;
            }
            auto found = indexOf.find(p);
            if (found == indexOf.end()) {
                if (colours.size() == 256) {
                    error = "an icon image has more than 256 colours";
                    return false;
                }
                found = indexOf.emplace(p, uint8_t(colours.size())).first;
                colours.push_back(p);
            }
            indices.push_back(found->second);
        }
        // 4 bits with a full 16-entry palette when the colours fit, else 8 bits.
        const int bits = colours.size() <= 16 ? 4 : 8;
        const uint32_t paletteEntries = 1u << bits;
        const uint32_t andStride = rowStride(image.width, 1);
        const uint32_t pixelBytes = (rowStride(image.width, bits) + andStride) * uint32_t(image.height);
        std::vector<uint8_t> entry;
        putInfoHeader(entry, image.width, image.height * 2, bits, pixelBytes, 0);
        for (uint32_t i = 0; i < paletteEntries; ++i) putPaletteEntry(entry, i < colours.size() ? colours[i] : 0);
        for (int y = image.height - 1; y >= 0; --y)
            putIndexRow(entry, &indices[size_t(y) * size_t(image.width)], image.width, bits);
        for (int y = image.height - 1; y >= 0; --y) {
            std::vector<uint8_t> row(andStride, 0);
            for (int x = 0; x < image.width; ++x)
                if (image.at(x, y) == kTransparent) row[size_t(x / 8)] |= uint8_t(0x80 >> (x % 8));
            entry.insert(entry.end(), row.begin(), row.end());
        }
        entries.push_back(entry);
        entryBits.push_back(bits);
    }

    put16(out, 0);
    put16(out, 1);    // icon
    put16(out, uint32_t(entries.size()));
    uint32_t offset = 6 + 16 * uint32_t(entries.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        const Image& image = art.images[i];
        out.push_back(uint8_t(image.width == 256 ? 0 : image.width));
        out.push_back(uint8_t(image.height == 256 ? 0 : image.height));
        out.push_back(entryBits[i] == 4 ? 16 : 0);   // colour count; 0 stands for 256
        out.push_back(0);
        put16(out, 1);
        put16(out, uint32_t(entryBits[i]));
        put32(out, uint32_t(entries[i].size()));
        put32(out, offset);
        offset += uint32_t(entries[i].size());
    }
    for (const auto& entry : entries) out.insert(out.end(), entry.begin(), entry.end());
    return true;
}

std::vector<uint8_t> makeBeepWav() {
    const double pi = 3.14159265358979323846;
    const double tone = 1320.0;        // a clear tick, well inside small speakers' range
    const double peak = 0.16 * 32767;  // quiet: about -16 dB below full scale
    const double attack = 0.003, release = 0.008, decay = 0.030;
    const uint32_t dataBytes = uint32_t(kBeepSamples) * 2;

    std::vector<uint8_t> out;
    putTag(out, "RIFF");
    put32(out, 36 + dataBytes);
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    put32(out, 16);
    put16(out, 1);                      // PCM
    put16(out, 1);                      // mono
    put32(out, kBeepSampleRate);
    put32(out, kBeepSampleRate * 2);    // bytes per second
    put16(out, 2);                      // block align
    put16(out, 16);                     // bits per sample
    putTag(out, "data");
    put32(out, dataBytes);
    const double length = double(kBeepSamples) / kBeepSampleRate;
    for (int i = 0; i < kBeepSamples; ++i) {
        double t = double(i) / kBeepSampleRate;
        // Raised-cosine edges avoid clicks; the exponential gives a soft "blip".
        double gain = std::exp(-t / decay);
        if (t < attack) gain *= 0.5 - 0.5 * std::cos(pi * t / attack);
        double left = length - t;
        if (left < release) gain *= 0.5 - 0.5 * std::cos(pi * left / release);
        long v = std::lround(peak * gain * std::sin(2 * pi * tone * t));
        put16(out, uint32_t(uint16_t(int16_t(v))));
    }
    return out;
}

namespace {

bool readFile(const std::string& path, std::string& text) {
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    char buffer[4096];
    size_t n;
    text.clear();
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) {
        text.append(buffer, n);
        if (text.size() > (1u << 20)) break;   // no art source is anywhere near 1 MB
    }
    bool ok = !std::ferror(f) && text.size() <= (1u << 20);
    std::fclose(f);
    return ok;
}

bool writeFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    ok = std::fclose(f) == 0 && ok;
    if (!ok) std::remove(path.c_str());
    return ok;
}

int usage() {
    std::fprintf(stderr, "usage: artgen OUTDIR SOURCE.txt...\n       artgen --wav FILE.wav\n");
    return 2;
}

}  // namespace

int run(int argc, char** argv) {
    if (argc < 3) return usage();
    if (std::strcmp(argv[1], "--wav") == 0) {
        if (argc != 3) return usage();
        if (!writeFile(argv[2], makeBeepWav())) {
            std::fprintf(stderr, "artgen: cannot write %s\n", argv[2]);
            return 1;
        }
        return 0;
    }
    const std::string outDir = argv[1];
    for (int i = 2; i < argc; ++i) {
        const std::string source = argv[i];
        size_t slash = source.find_last_of("/\\");
        std::string name = source.substr(slash == std::string::npos ? 0 : slash + 1);
        if (name.size() <= 4 || name.compare(name.size() - 4, 4, ".txt") != 0) {
            std::fprintf(stderr, "artgen: %s: a source's name ends in .txt\n", source.c_str());
            return 1;
        }
        name.resize(name.size() - 4);
        std::string text, error;
        ArtFile art;
        if (!readFile(source, text)) {
            std::fprintf(stderr, "artgen: cannot read %s\n", source.c_str());
            return 1;
        }
        if (!parseArt(text, art, error)) {
            std::fprintf(stderr, "artgen: %s: %s\n", source.c_str(), error.c_str());
            return 1;
        }
        const bool namedIcon = name.compare(0, 5, "icon_") == 0;
        if (namedIcon != art.isIcon) {
            std::fprintf(stderr, "artgen: %s: icon sources, and only they, are named icon_*.txt\n",
                         source.c_str());
            return 1;
        }
        std::vector<uint8_t> bytes;
        if (art.isIcon) {
            if (!encodeIco(art, bytes, error)) {
                std::fprintf(stderr, "artgen: %s: %s\n", source.c_str(), error.c_str());
                return 1;
            }
        } else {
            bytes = encodeBmp(art.images[0]);
        }
        const std::string target = outDir + "/" + name + (art.isIcon ? ".ico" : ".bmp");
        if (!writeFile(target, bytes)) {
            std::fprintf(stderr, "artgen: cannot write %s\n", target.c_str());
            return 1;
        }
    }
    return 0;
}

}  // namespace artgen

#ifndef ARTGEN_NO_MAIN
int main(int argc, char** argv) { return artgen::run(argc, argv); }
#endif

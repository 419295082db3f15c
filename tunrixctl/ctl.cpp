// tunrixctl's commands: arguments read and checked before anything is touched,
// then port access, the settings file, the save and the card, in that order,
// so that a refused command changes nothing.
#include "tunrixctl/ctl.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "card/frequency.h"
#include "radio/radio.h"
#include "resources/version.h"
#include "settings/settings_file.h"

const char kDefaultSettingsText[] =
    "[LAST STATION]\r\n101.1\r\n\r\n"
    "[PRESETS]\r\n088.5\r\n091.9\r\n094.7\r\n097.1\r\n099.5\r\n101.1\r\n103.5\r\n105.9\r\n107.3\r\n088.0\r\n\r\n"
    "[PRESET_INFORMATION]\r\nJazz\r\nNews\r\nClassical\r\nTalk\r\nRock\r\nOldies\r\nCountry\r\n"
    "College\r\nSports\r\nEasy Listening\r\n\r\n"
    "[POWER STATUS]\r\n1\r\n\r\n[BUTTON BEEPS]\r\n1\r\n\r\n[TRAY STATUS]\r\n0\r\n\r\n"
    "[PRESET_CYCLE_DURATION]\r\n10\r\n\r\n[PRESET_CYCLE_FLAG]\r\n0\r\n\r\n"
    "[TITLEBAR_FLAG]\r\n1\r\n\r\n[IO PORT]\r\n20f";

namespace {

constexpr const char* kUsage =
    "usage: tunrixctl [options] command [arguments]\n"
    "\n"
    "commands:\n"
    "  tune MHZ                   tune a frequency (87.5-108.0), radio on\n"
    "  preset N                   tune preset N (1-10)\n"
    "  on | off                   on tunes the last station; off switches the card off\n"
    "  up | down                  tune 1 MHz up or down (wrapping at the band's ends)\n"
    "  fine-up | fine-down        tune 0.1 MHz up or down\n"
    "  volume up|down [N]         N volume steps (default 1, at most 50)\n"
    "  status                     power, last station, its preset and description, port\n"
    "  presets                    the ten presets with descriptions\n"
    "  set-preset N MHZ [TEXT]    store a frequency (and a description) in preset N\n"
    "\n"
    "options:\n"
    "  --ini PATH                 the settings file\n"
    "  --port 0x20c|0x30c         the card's base address (default: from the settings file)\n"
    "  --card real|virtual        the card, or the virtual card that logs to card.log\n"
    "  -q                         print nothing on success\n"
    "  --help, --version\n"
    "\n"
    "exit status: 0 done, 1 usage, 2 value refused, 3 no port access,\n"
    "4 settings file not readable or writable, 5 the radio is off\n";

constexpr int kMaxVolumeSteps = 50;

enum class Command { none, tune, preset, on, off, up, down, fineUp, fineDown, volume, status,
                     presets, setPreset };

struct CommandName {
    const char* word;
    Command command;
    int minArgs, maxArgs;
};

constexpr CommandName kCommands[] = {
    {"tune", Command::tune, 1, 1},       {"preset", Command::preset, 1, 1},
    {"on", Command::on, 0, 0},           {"off", Command::off, 0, 0},
    {"up", Command::up, 0, 0},           {"down", Command::down, 0, 0},
    {"fine-up", Command::fineUp, 0, 0},  {"fine-down", Command::fineDown, 0, 0},
    {"volume", Command::volume, 1, 2},   {"status", Command::status, 0, 0},
    {"presets", Command::presets, 0, 0}, {"set-preset", Command::setPreset, 2, 3},
};

struct Request {
    Command command = Command::none;
    const char* args[3] = {};
    int argCount = 0;
    std::string ini;
    uint16_t port = 0;   // control port from --port; 0: the settings file's
    bool virtualCard = false;
    bool quiet = false;
    // Checked values of the arguments.
    char station[kFrequencyTextSize] = {};
    int presetIndex = kNoPreset;
    VolumeStep volume = VolumeStep::up;
    int volumeSteps = 1;
};

// Messages to standard error, each on a line of its own after the program's name.
struct Reporter {
    CtlHost& host;
    int fail(int status, const char* text) {
        host.err("tunrixctl: ");
        host.err(text);
        host.err("\n");
        return status;
    }
    int usage(const char* text) {
        fail(kCtlUsage, text);
        host.err(kUsage);
        return kCtlUsage;
    }
};

// The core's settings writer reports through SystemServices; here its message
// box and its console line both become lines on standard error, and the end
// it asks for is left to the caller, which returns the file's exit status.
struct SettingsServices : SystemServices {
    CtlHost& host;
    explicit SettingsServices(CtlHost& h) : host(h) {}
    void showMessage(const char* text, const char* title) override {
        (void)title;
        printText(text);
    }
    void printText(const char* text) override {
        host.err("tunrixctl: ");
        std::size_t n = std::strlen(text);
        while (n > 0 && (text[n - 1] == '\n' || text[n - 1] == '\r')) --n;
        host.err(std::string(text, n).c_str());
        host.err("\n");
    }
    void endProcess(int) override {}
    bool replaceFile(const char* from, const char* to) override { return host.replaceFile(from, to); }
    unsigned long processId() override { return host.processId(); }
};

bool isCardCommand(Command c) {
    return c != Command::status && c != Command::presets && c != Command::setPreset;
}

// Whole decimal number in [low, high]; no sign, blanks or other characters.
bool readCount(const char* text, int low, int high, int* value) {
    if (*text == '\0' || std::strlen(text) > 4) return false;
    int n = 0;
    for (const char* p = text; *p != '\0'; ++p) {
        if (*p < '0' || *p > '9') return false;
        n = n * 10 + (*p - '0');
    }
    if (n < low || n > high) return false;
    *value = n;
    return true;
}

bool isStation(const char* text) { return frequencyInBand(text, nullptr); }

// A typed frequency: a plain decimal number in the band, kept in its "%05.1f"
// form so that it matches the presets as the window stores them.
bool readStation(const char* text, char* station) {
    const std::size_t length = std::strlen(text);
    if (length == 0 || length >= kFrequencyTextSize) return false;
    for (const char* p = text; *p != '\0'; ++p) {
        if (!((*p >= '0' && *p <= '9') || *p == '.')) return false;
    }
    std::memcpy(station, text, length + 1);
    normalizeFrequencyText(station, kFrequencyTextSize);
    return isStation(station);
}

bool readPort(const char* text, uint16_t* port) {
    const char* digits = text;
    if (digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) digits += 2;
    if (*digits == '\0' || std::strlen(digits) > 4) return false;
    unsigned value = 0;
    for (const char* p = digits; *p != '\0'; ++p) {
        const char c = *p;
        unsigned d;
        if (c >= '0' && c <= '9') d = static_cast<unsigned>(c - '0');
        else if (c >= 'a' && c <= 'f') d = static_cast<unsigned>(c - 'a' + 10);
        else if (c >= 'A' && c <= 'F') d = static_cast<unsigned>(c - 'A' + 10);
        else return false;
        value = value * 16 + d;
    }
    *port = controlPortFor(value);
    return *port != 0;
}

// Options anywhere before "--"; everything else is the command and its
// arguments. Returns kCtlOk, or the status after reporting; `done` is set when
// --help or --version has answered.
int parseArguments(int argc, const char* const* argv, Request& r, Reporter& report, bool& done) {
    done = false;
    const char* words[8];
    int wordCount = 0;
    bool optionsEnd = false;
    for (int i = 1; i < argc; ++i) {
        const char* a = argv[i];
        if (!optionsEnd && a[0] == '-' && a[1] != '\0') {
            if (std::strcmp(a, "--") == 0) { optionsEnd = true; continue; }
            if (std::strcmp(a, "--help") == 0 || std::strcmp(a, "-h") == 0) {
                report.host.out(kUsage);
                done = true;
                return kCtlOk;
            }
            if (std::strcmp(a, "--version") == 0) {
                report.host.out("tunrixctl " TUNRIX_VERSION_TEXT "\n");
                done = true;
                return kCtlOk;
            }
            if (std::strcmp(a, "-q") == 0 || std::strcmp(a, "--quiet") == 0) { r.quiet = true; continue; }
            // --name VALUE or --name=VALUE
            const char* value = nullptr;
            std::string name(a);
            const std::size_t eq = name.find('=');
            if (eq != std::string::npos) {
                value = a + eq + 1;
                name.resize(eq);
            }
            if (name != "--ini" && name != "--port" && name != "--card") {
                return report.usage((std::string("unknown option ") + a).c_str());
            }
            if (value == nullptr) {
                if (i + 1 >= argc) return report.usage((name + " needs a value").c_str());
                value = argv[++i];
            }
            if (name == "--ini") {
                if (*value == '\0') return report.usage("--ini needs a file name");
                r.ini = value;
            } else if (name == "--port") {
                if (!readPort(value, &r.port)) {
                    return report.fail(kCtlBadValue,
                        (std::string("port ") + value + " is not the card's: use 0x20c or 0x30c").c_str());
                }
            } else if (std::strcmp(value, "real") == 0 || std::strcmp(value, "virtual") == 0) {
                r.virtualCard = std::strcmp(value, "virtual") == 0;
            } else {
                return report.usage((std::string("--card takes real or virtual, not ") + value).c_str());
            }
            continue;
        }
        if (wordCount == 8) return report.usage("too many arguments");
        words[wordCount++] = a;
    }
    if (wordCount == 0) return report.usage("no command given");
    const CommandName* found = nullptr;
    for (const CommandName& c : kCommands) {
        if (std::strcmp(words[0], c.word) == 0) found = &c;
    }
    if (found == nullptr) return report.usage((std::string("unknown command ") + words[0]).c_str());
    r.command = found->command;
    r.argCount = wordCount - 1;
    if (r.argCount < found->minArgs) {
        return report.usage((std::string(found->word) + ": missing argument").c_str());
    }
    if (r.argCount > found->maxArgs) {
        return report.usage((std::string(found->word) + ": too many arguments").c_str());
    }
    for (int i = 0; i < r.argCount; ++i) r.args[i] = words[i + 1];
    return kCtlOk;
}

int badStation(Reporter& report, const char* text) {
    return report.fail(kCtlBadValue,
        (std::string("frequency ") + text + " is not a station: give MHz from 87.5 to 108.0, like 101.1").c_str());
}

// Checks the arguments' values, before anything else is touched.
int checkArguments(Request& r, Reporter& report) {
    switch (r.command) {
    case Command::tune:
        if (!readStation(r.args[0], r.station)) return badStation(report, r.args[0]);
        break;
    case Command::preset:
    case Command::setPreset:
        if (!readCount(r.args[0], 1, kPresetCount, &r.presetIndex)) {
            return report.fail(kCtlBadValue,
                (std::string("preset ") + r.args[0] + " does not exist: presets are 1 to 10").c_str());
        }
        r.presetIndex -= 1;
        if (r.command == Command::setPreset) {
            if (!readStation(r.args[1], r.station)) return badStation(report, r.args[1]);
            if (r.argCount == 3 && std::strlen(r.args[2]) > kDescriptionSize - 1) {
                return report.fail(kCtlBadValue, "a description holds at most 80 characters");
            }
        }
        break;
    case Command::volume:
        if (std::strcmp(r.args[0], "up") == 0) r.volume = VolumeStep::up;
        else if (std::strcmp(r.args[0], "down") == 0) r.volume = VolumeStep::down;
        else return report.usage((std::string("volume takes up or down, not ") + r.args[0]).c_str());
        if (r.argCount == 2 && !readCount(r.args[1], 1, kMaxVolumeSteps, &r.volumeSteps)) {
            return report.fail(kCtlBadValue,
                (std::string("volume steps ") + r.args[1] + ": give a number from 1 to 50").c_str());
        }
        break;
    default:
        break;
    }
    return kCtlOk;
}

// Reads the settings file, once; a missing file reads as the shipped defaults.
int loadSettings(const std::string& path, RadioSettings& settings, Reporter& report) {
    settings = RadioSettings{};
    std::string text(kDefaultSettingsText, sizeof kDefaultSettingsText - 1);
    errno = 0;
    if (std::FILE* file = std::fopen(path.c_str(), "rb")) {
        text.clear();
        char buffer[4096];
        std::size_t got;
        while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) text.append(buffer, got);
        // A folder opens like a file on some systems; only its read fails.
        const int readError = std::ferror(file) ? errno : 0;
        std::fclose(file);
        if (readError != 0) {
            return report.fail(kCtlSettingsFile,
                (std::string("cannot read ") + path + ": " + std::strerror(readError)).c_str());
        }
    } else if (errno != ENOENT) {
        return report.fail(kCtlSettingsFile,
            (std::string("cannot read ") + path + ": " + std::strerror(errno)).c_str());
    }
    parseSettingsText(text.data(), text.size(), settings);
    return kCtlOk;
}

int saveSettings(const std::string& path, const RadioSettings& settings, Reporter& report) {
    CtlHost& host = report.host;
    const std::string target = host.fileBehind(path);
    std::string why;
    if (!host.makeFolderFor(target, why)) {
        return report.fail(kCtlSettingsFile, (std::string("cannot write ") + path + ": " + why).c_str());
    }
    SettingsServices services(host);
    if (writeSettingsFile(target.c_str(), settings.lastStation(), settings.powerStatus, settings,
                          services) != 0) {
        return report.fail(kCtlSettingsFile, (std::string("settings not saved; ") + path + " is as it was").c_str());
    }
    return kCtlOk;
}

// "101.1 MHz, preset 6 Oldies", "101.1 MHz" or "off".
std::string nowPlaying(const RadioSettings& s) {
    if (s.powerStatus == 0) return "off\n";
    std::string line = std::string(s.lastStation()) + " MHz";
    const int i = matchPresetIndex(s, s.lastStation());
    if (i != kNoPreset) {
        char number[24];
        std::snprintf(number, sizeof number, ", preset %d", i + 1);
        line += number;
        if (s.presets.slot[i].description[0] != '\0') {
            line += " ";
            line += s.presets.slot[i].description;
        }
    }
    return line + "\n";
}

void printStatus(const RadioSettings& s, uint16_t controlPort, CtlHost& host) {
    const int i = matchPresetIndex(s, s.lastStation());
    char text[256];
    char preset[16];
    if (i == kNoPreset) std::snprintf(preset, sizeof preset, "none");
    else std::snprintf(preset, sizeof preset, "%d", i + 1);
    std::snprintf(text, sizeof text, "power: %s\nstation: %s\npreset: %s\ndescription: %s\nport: 0x%x\n",
                  s.powerStatus != 0 ? "on" : "off", s.lastStation(), preset,
                  i == kNoPreset ? "" : s.presets.slot[i].description, baseAddressOf(controlPort));
    host.out(text);
}

void printPresets(const RadioSettings& s, CtlHost& host) {
    for (int i = 0; i < kPresetCount; ++i) {
        char line[128];
        std::snprintf(line, sizeof line, "%d %s %s\n", i + 1, s.presets.slot[i].frequency,
                      s.presets.slot[i].description);
        host.out(line);
    }
}

// The station change of a card command, made in `s`. Returns kCtlOk or the status.
int changeStation(const Request& r, RadioSettings& s, Reporter& report) {
    char* last = s.lastStation();
    switch (r.command) {
    case Command::tune:
        copyFrequencyText(last, r.station);
        break;
    case Command::preset:
        copyFrequencyText(last, s.presets.slot[r.presetIndex].frequency);
        break;
    case Command::up:
    case Command::down:
    case Command::fineUp:
    case Command::fineDown: {
        if (s.powerStatus == 0) return report.fail(kCtlRadioOff, "the radio is off (tunrixctl on switches it on)");
        char current[kFrequencyTextSize];
        copyFrequencyText(current, last);
        if (r.command == Command::up) coarseUp(current, last);
        else if (r.command == Command::down) coarseDown(current, last);
        else if (r.command == Command::fineUp) fineUp(current, last);
        else fineDown(current, last);
        break;
    }
    case Command::volume:
        if (s.powerStatus == 0) return report.fail(kCtlRadioOff, "the radio is off (tunrixctl on switches it on)");
        return kCtlOk;
    default:
        return kCtlOk;
    }
    return kCtlOk;
}

}  // namespace

int runTunrixctl(int argc, const char* const* argv, CtlHost& host) {
    Reporter report{host};
    Request r;
    bool done = false;
    int status = parseArguments(argc, argv, r, report, done);
    if (status != kCtlOk || done) return status;
    status = checkArguments(r, report);
    if (status != kCtlOk) return status;

    // Port access first: on Linux it is asked for before any file is opened,
    // and every privilege is given up with it.
    const bool card = isCardCommand(r.command);
    if (card && !r.virtualCard) {
        std::string why;
        const bool opened = host.openRealCard(why);
        host.givePrivilegesUp();
        if (!opened) return report.fail(kCtlNoPortAccess, why.c_str());
    } else {
        host.givePrivilegesUp();
    }

    const std::string path = r.ini.empty() ? host.defaultSettingsPath() : r.ini;
    RadioSettings settings;
    status = loadSettings(path, settings, report);
    if (status != kCtlOk) return status;
    // The file keeps its own port (always one of the card's two once read);
    // --port only chooses where this command writes.
    const uint16_t port = r.port != 0 ? r.port : settings.ioPort;

    if (r.command == Command::status) {
        printStatus(settings, port, host);
        return kCtlOk;
    }
    if (r.command == Command::presets) {
        printPresets(settings, host);
        return kCtlOk;
    }
    if (r.command == Command::setPreset) {
        storePreset(settings, r.presetIndex, r.station, r.argCount == 3 ? r.args[2] : nullptr);
        status = saveSettings(path, settings, report);
        if (status == kCtlOk && !r.quiet) {
            char line[160];
            std::snprintf(line, sizeof line, "preset %d: %s %s\n", r.presetIndex + 1,
                          settings.presets.slot[r.presetIndex].frequency,
                          settings.presets.slot[r.presetIndex].description);
            host.out(line);
        }
        return status;
    }

    status = changeStation(r, settings, report);
    if (status != kCtlOk) return status;
    if (r.command == Command::off) {
        settings.powerStatus = 0;
    } else if (r.command != Command::volume) {
        // Nothing is sent for a station the card cannot take (a preset or a
        // last station edited by hand outside the band).
        if (!isStation(settings.lastStation())) {
            return report.fail(kCtlBadValue,
                (std::string(r.command == Command::preset ? "preset holds " : "last station ") +
                 settings.lastStation() + ", which is not a station from 87.5 to 108.0 MHz").c_str());
        }
        settings.powerStatus = 1;
    }
    // Saved before the card is told, so a file that cannot be written leaves
    // both as they were.
    if (r.command != Command::volume) {
        status = saveSettings(path, settings, report);
        if (status != kCtlOk) return status;
    }
    PortIo& io = r.virtualCard ? host.virtualCard() : host.realCard();
    if (r.command == Command::off) {
        switchOff(io, port, settings);
    } else if (r.command == Command::volume) {
        for (int i = 0; i < r.volumeSteps; ++i) stepVolume(io, port, settings, r.volume);
    } else {
        playStation(io, port, settings, settings.lastStation());
    }
    if (!r.quiet) host.out(nowPlaying(settings).c_str());
    return kCtlOk;
}

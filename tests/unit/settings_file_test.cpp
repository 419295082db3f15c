// radio.ini: reading the sections in order, malformed files, the exact bytes
// written, and a failed save that leaves the old file alone.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "fake_system_services.h"
#include "temp_dir.h"
#include "settings/settings_file.h"

namespace fs = std::filesystem;

namespace {

const std::string kFixturePath = std::string(TUNRIX_TEST_DATA_DIR) + "/radio.ini";

RadioSettings parse(const std::string& text, const RadioSettings& start = RadioSettings{}) {
    RadioSettings settings = start;
    parseSettingsText(text.data(), text.size(), settings);
    return settings;
}

// The example file's values, in a form the tables below can alter.
struct Expected {
    std::string lastStation = "101.1";
    std::string frequency[10] = {"088.5", "091.9", "094.7", "097.1", "099.5",
                                 "101.1", "103.5", "105.9", "107.3", "88.0"};
    std::string description[10] = {"Jazz", "News", "Classical", "Talk", "Rock",
                                   "Oldies", "Country", "College", "Sports", "N/A"};
    int powerStatus = 1, buttonBeeps = 1, trayStatus = 0, presetCycleFlag = 0, titleBarFlag = 1;
    std::string presetCycleDuration = "10";
    unsigned ioPort = 0x20F;
};

void expectSettings(const RadioSettings& s, const Expected& e, const std::string& label) {
    SCOPED_TRACE(label);
    EXPECT_EQ(s.lastStation(), e.lastStation);
    for (int i = 0; i < kPresetCount; ++i) {
        EXPECT_EQ(s.presets.slot[i].frequency, e.frequency[i]) << "slot " << i;
        EXPECT_EQ(s.presets.slot[i].description, e.description[i]) << "slot " << i;
    }
    EXPECT_STREQ(s.presets.slot[kPresetCount].description, "");
    EXPECT_EQ(s.powerStatus, e.powerStatus);
    EXPECT_EQ(s.buttonBeeps, e.buttonBeeps);
    EXPECT_EQ(s.trayStatus, e.trayStatus);
    EXPECT_EQ(s.presetCycleDuration, e.presetCycleDuration);
    EXPECT_EQ(s.presetCycleFlag, e.presetCycleFlag);
    EXPECT_EQ(s.titleBarFlag, e.titleBarFlag);
    EXPECT_EQ(s.ioPort, e.ioPort);
}

std::string replaceAll(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

// The names in a folder, sorted: shows that no temporary file was left.
std::vector<std::string> entries(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

// Root may write any file, so a read-only file is tried as an ordinary user
// (should that fail, root replaces the file and the test fails).
struct UnprivilegedUser {
    bool active;
    explicit UnprivilegedUser(bool wanted) : active(wanted && geteuid() == 0 && seteuid(65534) == 0) {}
    ~UnprivilegedUser() { EXPECT_TRUE(!active || seteuid(0) == 0); }
};

// The text as Notepad saves it as "Unicode": UTF-16 after a byte-order mark.
// Bytes 0x01 stand for the euro sign, a character beyond Latin-1.
std::string utf16(const std::string& latin1, bool bigEndian) {
    std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (unsigned char c : latin1) {
        const unsigned unit = c == 0x01 ? 0x20AC : c;
        const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
        out += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    return out;
}

}  // namespace

TEST(SettingsRead, ExampleFileReadsToItsValues) {
    FakeSystemServices system;
    RadioSettings settings{};
    EXPECT_TRUE(readSettingsFile(kFixturePath.c_str(), settings, system));
    expectSettings(settings, Expected{}, "fixture");
    EXPECT_TRUE(system.messages.empty());
    EXPECT_TRUE(system.exitCodes.empty());
}

TEST(SettingsRead, VariantsOfTheExampleFile) {
    const std::string crlf = readBytes(kFixturePath);
    const std::string lf = replaceAll(crlf, "\r\n", "\n");
    struct Case {
        const char* label;
        std::string text;
        void (*adjust)(Expected&);
    } cases[] = {
        {"LF line ends", lf, [](Expected&) {}},
        {"trailing line end", crlf + "\r\n", [](Expected&) {}},
        {"no separator lines", replaceAll(lf, "\n\n", "\n"), [](Expected&) {}},
        {"unrelated lines between sections",
         replaceAll(lf, "\n\n[", "\n; comment\nrubbish line\n\n["), [](Expected&) {}},
        {"header prefixes only",
         replaceAll(replaceAll(lf, "[BUTTON BEEPS]", "[BUTTON Bxyz"), "[IO PORT]", "[IO PORTS and more"),
         [](Expected&) {}},
        {"upper-case port", replaceAll(lf, "20f", "30F"), [](Expected& e) { e.ioPort = 0x30F; }},
        {"port with 0x", replaceAll(lf, "20f", "0x30f"), [](Expected& e) { e.ioPort = 0x30F; }},
        {"port with 0X and blanks", replaceAll(lf, "20f", "  0X20F  \n"), [](Expected&) {}},
        // The card is only ever written at 0x20F or 0x30F.
        {"base 20c", replaceAll(lf, "20f", "20c"), [](Expected&) {}},
        {"base 30C", replaceAll(lf, "20f", "30C"), [](Expected& e) { e.ioPort = 0x30F; }},
        {"port 378", replaceAll(lf, "20f", "378"), [](Expected&) {}},
        {"port 0", replaceAll(lf, "20f", "0"), [](Expected&) {}},
        // Notepad's other saves: lone CR line ends, "Unicode" in either byte order.
        {"lone CR line ends", replaceAll(lf, "\n", "\r"), [](Expected&) {}},
        {"UTF-16 LE", utf16(crlf, false), [](Expected&) {}},
        {"UTF-16 BE beyond Latin-1", utf16(replaceAll(crlf, "Jazz", "J\xE4zz \x01"), true),
         [](Expected& e) { e.description[0] = "J\xE4zz ?"; }},
        {"blank preset line", replaceAll(lf, "094.7\n", "   \n"), [](Expected& e) { e.frequency[2] = "88.0"; }},
        {"empty preset line", replaceAll(lf, "094.7\n", "\n"), [](Expected& e) { e.frequency[2] = "88.0"; }},
        {"preset with words", replaceAll(lf, "094.7\n", "  094.7 Jazz FM\n"), [](Expected&) {}},
        {"description with blanks", replaceAll(lf, "Talk\n", "  Talk radio 24/7 \n"),
         [](Expected& e) { e.description[3] = "  Talk radio 24/7 "; }},
        {"empty description", replaceAll(lf, "Talk\n", "\n"), [](Expected& e) { e.description[3] = "N/A"; }},
        {"over-long last station", replaceAll(lf, "101.1\n\n[PRESETS]", "0123456789012345\n\n[PRESETS]"),
         [](Expected& e) { e.lastStation = "012345678"; }},
        {"over-long preset token", replaceAll(lf, "094.7\n", "94.7000000000000000001\n"),
         [](Expected& e) { e.frequency[2] = "94.700000"; }},
        {"over-long cycle duration", replaceAll(lf, "\n10\n", "\n123456789\n"),
         [](Expected& e) { e.presetCycleDuration = "1234"; }},
        {"over-long description", replaceAll(lf, "Talk\n", std::string(200, 'd') + "\n"),
         [](Expected& e) { e.description[3] = std::string(80, 'd'); }},
        {"80-character description", replaceAll(lf, "Talk\n", std::string(80, 'e') + "\n"),
         [](Expected& e) { e.description[3] = std::string(80, 'e'); }},
        {"over-long preset line", replaceAll(lf, "094.7\n", "094.7" + std::string(300, ' ') + "x\n"),
         [](Expected&) {}},
        {"empty cycle duration", replaceAll(lf, "[PRESET_CYCLE_DURATION]\n10\n", "[PRESET_CYCLE_DURATION]\n\n"),
         [](Expected& e) { e.presetCycleDuration = ""; }},
        {"value that does not parse", replaceAll(lf, "[POWER STATUS]\n1", "[POWER STATUS]\nyes"),
         [](Expected& e) { e.powerStatus = 0; }},
        {"value on the header line's next lines",
         replaceAll(lf, "[TRAY STATUS]\n0", "[TRAY STATUS]\n\n\n   7 trailing words"),
         [](Expected& e) { e.trayStatus = 1; }},   // any nonzero tray status is 1
        {"negative and huge integers",
         replaceAll(replaceAll(lf, "[TITLEBAR_FLAG]\n1", "[TITLEBAR_FLAG]\n-5"), "[BUTTON BEEPS]\n1",
                    "[BUTTON BEEPS]\n99999999999999999999"),
         [](Expected& e) {
             e.titleBarFlag = -5;
             e.buttonBeeps = 2147483647;
         }},
    };
    for (const Case& c : cases) {
        Expected expected;
        c.adjust(expected);
        expectSettings(parse(c.text), expected, c.label);
    }
}

TEST(SettingsRead, MissingSectionsLeaveTheirValuesAsTheyWere) {
    RadioSettings start{};
    std::snprintf(start.presetCycleDuration, kCycleDurationSize, "old");
    start.trayStatus = 5;
    start.presetCycleFlag = 6;
    start.titleBarFlag = 7;
    start.ioPort = 0x30F;
    const std::string lf = replaceAll(readBytes(kFixturePath), "\r\n", "\n");

    // Without "[TRAY STATUS]" the search runs to the end of the file; that
    // value and every later one stay as they were.
    const std::string noTray = replaceAll(lf, "[TRAY STATUS]", "[TRAY-STATUS]");
    const RadioSettings s = parse(noTray, start);
    EXPECT_EQ(s.buttonBeeps, 1);
    EXPECT_EQ(s.trayStatus, 5);
    EXPECT_STREQ(s.presetCycleDuration, "old");
    EXPECT_EQ(s.presetCycleFlag, 6);
    EXPECT_EQ(s.titleBarFlag, 7);
    EXPECT_EQ(s.ioPort, 0x30F);

    // A file that ends inside the preset block fills only the slots it has.
    const std::string cut = lf.substr(0, lf.find("097.1"));
    const RadioSettings c = parse(cut, start);
    EXPECT_STREQ(c.presets.slot[2].frequency, "094.7");
    EXPECT_STREQ(c.presets.slot[3].frequency, "");
    EXPECT_STREQ(c.presets.slot[0].description, "");
    EXPECT_EQ(c.ioPort, 0x30F);
}

TEST(SettingsRead, MalformedFilesReadWithoutOverflow) {
    static const char kWithNul[] = "[LAST STATION]\n10\0" "1.1\n[PRESETS]\n";
    std::string binary;
    for (int i = 0; i < 4096; ++i) binary += static_cast<char>((i * 7919 + 13) & 0xFF);
    struct Case {
        const char* label;
        std::string text;
        const char* lastStation;
    } cases[] = {
        {"empty file", "", ""},
        {"only a header line", "[LAST STATION]", ""},
        {"no headers at all", "hello\nworld  wide\nmore\n", "world"},
        {"binary bytes", binary, nullptr},
        {"NUL inside a line", std::string(kWithNul, sizeof kWithNul - 1), "10"},
        {"lone CRs end lines", "[LAST STATION]\r101.1\r[IO PORT]\r30f", "101.1"},
        {"header at the very end", "x\ny\n[PRESETS]", "y"},
        {"port without digits", "x\ny\n[PRESETS]\n\n\n\n\n\n\n\n\n\n\n[PRESET_INFORMATION]\n\n\n\n\n\n\n\n\n\n\n"
                                "[POWER STATUS]\n[BUTTON BEEPS]\n[TRAY STATUS]\n[PRESET_CYCLE_DURATION]\n"
                                "[PRESET_CYCLE_FLAG]\n[TITLEBAR_FLAG]\n[IO PORT]\n0xzz", "y"},
        {"one huge line", std::string(100000, 'a'), ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        // The text is copied to an exact-size heap block so a read past its end is caught.
        std::unique_ptr<char[]> exact(new char[c.text.size() + 1]);
        std::memcpy(exact.get(), c.text.data(), c.text.size());
        RadioSettings s{};
        parseSettingsText(exact.get(), c.text.size(), s);
        if (c.lastStation != nullptr) {
            EXPECT_STREQ(s.lastStation(), c.lastStation);
            EXPECT_EQ(s.ioPort, 0x20F);   // no port read: the first card's
        }
        for (int i = 0; i <= kPresetCount; ++i) {
            EXPECT_LT(strnlen(s.presets.slot[i].frequency, kFrequencyTextSize), kFrequencyTextSize);
            EXPECT_LT(strnlen(s.presets.slot[i].description, kDescriptionSize), kDescriptionSize);
        }
        EXPECT_LT(strnlen(s.presetCycleDuration, kCycleDurationSize), kCycleDurationSize);
    }
    // Lines inside the preset block are taken as presets, never as headers.
    const RadioSettings s = parse("x\ny\n[PRESETS]\n\n\n\n\n\n\n\n\n[IO PORT]\n30f");
    EXPECT_EQ(s.ioPort, 0x20F);
    EXPECT_STREQ(s.presets.slot[8].frequency, "[IO");
    EXPECT_STREQ(s.presets.slot[9].frequency, "30f");
}

TEST(SettingsRead, MissingFileReportsAndEnds) {
    FakeSystemServices system;
    RadioSettings settings{};
    settings.ioPort = 0x20F;
    EXPECT_FALSE(readSettingsFile("/nonexistent-dir/radio.ini", settings, system));
    ASSERT_EQ(system.messages.size(), 1u);
    EXPECT_EQ(system.messages[0].text, "Error opening radio.ini file!\n");
    EXPECT_EQ(system.messages[0].title, "Error");
    EXPECT_EQ(system.exitCodes, std::vector<int>{0});
    EXPECT_EQ(settings.ioPort, 0x20F);
}

// The example file of the tests and the one shipped in the release zip both
// survive a read and a write unchanged.
TEST(SettingsWrite, ExampleFilesWriteBackByteForByte) {
    for (const std::string& fixture : {kFixturePath, std::string(TUNRIX_PACKAGE_DIR) + "/radio.ini"}) {
        SCOPED_TRACE(fixture);
        const std::string original = readBytes(fixture);
        ASSERT_FALSE(original.empty());
        FakeSystemServices system;
        RadioSettings settings{};
        ASSERT_TRUE(readSettingsFile(fixture.c_str(), settings, system));

        char text[2048];
        const std::size_t n = formatSettingsText(settings, settings.lastStation(), settings.powerStatus,
                                                 text, sizeof text);
        EXPECT_EQ(std::string(text, n), original);

        TempDir dir;
        const fs::path path = dir.path / "radio.ini";
        EXPECT_EQ(writeSettingsFile(path.c_str(), settings.lastStation(), settings.powerStatus, settings,
                                    system),
                  0);
        EXPECT_EQ(readBytes(path), original);
        EXPECT_EQ(entries(dir.path), std::vector<std::string>{"radio.ini"});
        EXPECT_TRUE(system.messages.empty());
        EXPECT_TRUE(system.exitCodes.empty());
    }
}

TEST(SettingsWrite, UsesTheGivenStationAndPowerAndBoundsEveryField) {
    RadioSettings settings{};
    std::memset(settings.presets.slot[0].description, 'x', kDescriptionSize);  // no terminator
    std::memset(settings.presets.slot[1].frequency, '9', kFrequencyTextSize);
    std::memset(settings.presetCycleDuration, '5', kCycleDurationSize);
    std::snprintf(settings.presets.slot[2].description, kDescriptionSize, "two\r\nlines\rand\nmore");
    std::snprintf(settings.presets.slot[3].description, kDescriptionSize, "next");
    std::snprintf(settings.lastStation(), kFrequencyTextSize, "088.0");
    settings.powerStatus = 0;
    settings.ioPort = 0x30F;
    char text[2048];
    const std::string written(text, formatSettingsText(settings, "101.5", 1, text, sizeof text));
    EXPECT_EQ(written.substr(0, 23), "[LAST STATION]\r\n101.5\r\n");
    EXPECT_NE(written.find("\r\n[POWER STATUS]\r\n1\r\n"), std::string::npos);
    EXPECT_NE(written.find("\r\n" + std::string(80, 'x') + "\r\n"), std::string::npos);
    EXPECT_NE(written.find("\r\n" + std::string(9, '9') + "\r\n"), std::string::npos);
    EXPECT_NE(written.find("\r\n5555\r\n"), std::string::npos);
    EXPECT_EQ(written.substr(written.size() - 14), "[IO PORT]\r\n30f");
    // A line break inside a description is written as blanks, so the
    // descriptions after it stay in their places.
    const RadioSettings back = parse(written);
    EXPECT_STREQ(back.presets.slot[2].description, "two  lines and more");
    EXPECT_STREQ(back.presets.slot[3].description, "next");

    // A short buffer is never overrun and the needed size is still reported.
    char small[16];
    EXPECT_EQ(formatSettingsText(settings, "101.5", 1, small, sizeof small), written.size());
    EXPECT_EQ(std::strlen(small), sizeof small - 1);
}

TEST(SettingsWrite, RoundTripKeepsEveryField) {
    RadioSettings settings{};
    for (int i = 0; i < kPresetCount; ++i) {
        std::snprintf(settings.presets.slot[i].frequency, kFrequencyTextSize, "%05.1f", 88.0 + i * 2.1);
        std::memset(settings.presets.slot[i].description, 'a' + i, 80 - i * 7);
    }
    std::memset(settings.presets.slot[3].description, 0, kDescriptionSize);
    std::snprintf(settings.presets.slot[3].description, kDescriptionSize, "two  words ");
    std::snprintf(settings.presetCycleDuration, kCycleDurationSize, "9999");
    settings.buttonBeeps = 1;
    settings.trayStatus = 1;
    settings.presetCycleFlag = 1;
    settings.titleBarFlag = 0;
    settings.ioPort = 0x30F;

    TempDir dir;
    const fs::path path = dir.path / "radio.ini";
    FakeSystemServices system;
    ASSERT_EQ(writeSettingsFile(path.c_str(), "107.9", 1, settings, system), 0);
    RadioSettings back{};
    ASSERT_TRUE(readSettingsFile(path.c_str(), back, system));
    std::snprintf(settings.lastStation(), kFrequencyTextSize, "107.9");
    settings.powerStatus = 1;
    EXPECT_EQ(std::memcmp(&settings.presets, &back.presets, sizeof settings.presets), 0);
    EXPECT_STREQ(back.presetCycleDuration, "9999");
    EXPECT_EQ(back.powerStatus, 1);
    EXPECT_EQ(back.buttonBeeps, 1);
    EXPECT_EQ(back.trayStatus, 1);
    EXPECT_EQ(back.presetCycleFlag, 1);
    EXPECT_EQ(back.titleBarFlag, 0);
    EXPECT_EQ(back.ioPort, 0x30F);
}

TEST(SettingsWrite, FailuresKeepTheOldFileAndReport) {
    struct Case {
        const char* label;
        bool failReplace;
        bool tempIsFullDevice;  // every write to the temporary file fails
        bool missingDirectory;
        bool readOnly;          // radio.ini may not be written: it stays as it is
    } cases[] = {{"replace fails", true, false, false, false},
                 {"disk full", false, true, false, false},
                 {"directory missing", false, false, true, false},
                 {"read-only radio.ini", false, false, false, true}};
    const std::string old = "[LAST STATION]\r\n099.0\r\nold file";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        TempDir dir;
        const fs::path base = c.missingDirectory ? dir.path / "missing" : dir.path;
        const fs::path path = base / "radio.ini";
        const fs::path temp = base / "radio.ini.4242-0.tmp";   // this process's first name
        if (!c.missingDirectory) writeBytes(path, old);
        if (c.readOnly) {
            fs::permissions(dir.path, fs::perms::all);
            fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
        }
        if (c.tempIsFullDevice) {
            if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
            fs::create_symlink("/dev/full", temp);
        }
        FakeSystemServices system;
        system.failReplace = c.failReplace;
        RadioSettings settings{};
        {
            UnprivilegedUser user(c.readOnly);
            EXPECT_NE(writeSettingsFile(path.c_str(), "101.1", 1, settings, system), 0);
        }
        if (!c.missingDirectory) {
            EXPECT_EQ(readBytes(path), old);
            EXPECT_EQ(entries(base), std::vector<std::string>{"radio.ini"});
        }
        EXPECT_FALSE(fs::exists(fs::symlink_status(temp)));
        ASSERT_EQ(system.messages.size(), 1u);
        EXPECT_EQ(system.messages[0].text, "Can't open radio.ini for writing!");
        EXPECT_EQ(system.messages[0].title, "Error");
        EXPECT_EQ(system.exitCodes, std::vector<int>{0});
        ASSERT_GT(system.printed.size(), 1u);
        EXPECT_EQ(system.printed.back(), '\n');
        EXPECT_EQ(system.printed.find('\n'), system.printed.size() - 1);
        EXPECT_EQ(system.replaceCalls, c.failReplace ? 1 : 0);
    }
}

TEST(SettingsWrite, EachSaveUsesATemporaryFileOfItsOwn) {
    // Another copy (process 4343) saves while this one is about to replace
    // radio.ini: both saves succeed and the last one wins. Temporary files left
    // behind, even ones that cannot be written, block no save.
    struct Case {
        const char* label;
        const char* stale;   // a folder in the way
        bool otherCopy;
    } cases[] = {{"another copy saves meanwhile", nullptr, true},
                 {"stale radio.ini.tmp folder", "radio.ini.tmp", false},
                 {"stale folder under this process's first name", "radio.ini.4242-0.tmp", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        TempDir dir;
        const fs::path path = dir.path / "radio.ini";
        writeBytes(path, "old");
        if (c.stale != nullptr) fs::create_directory(dir.path / c.stale);
        RadioSettings mine{}, theirs{};
        FakeSystemServices system, other;
        other.pid = 4343;
        if (c.otherCopy) {
            system.beforeReplace = [&] {
                EXPECT_EQ(writeSettingsFile(path.c_str(), "090.0", 0, theirs, other), 0);
            };
        }
        EXPECT_EQ(writeSettingsFile(path.c_str(), "101.1", 1, mine, system), 0);
        char text[2048];
        EXPECT_EQ(readBytes(path), std::string(text, formatSettingsText(mine, "101.1", 1, text, sizeof text)));
        EXPECT_TRUE(system.messages.empty());
        EXPECT_TRUE(other.messages.empty());
        std::vector<std::string> left{"radio.ini"};
        if (c.stale != nullptr) left.push_back(c.stale);
        EXPECT_EQ(entries(dir.path), left);
    }
}

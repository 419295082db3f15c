// tunrixctl: every refused command line changes neither card nor file; the
// commands send what the window sends and save the window's bytes.
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "card/virtual_card.h"
#include "temp_dir.h"
#include "tunrixctl/ctl.h"

namespace {

// A host over a temporary folder: the real card and the virtual card are both
// decoders, each logging to a file of its own, so a test sees which one was used.
struct TestHost : CtlHost {
    TempDir dir;
    std::string realLog = dir / "real.log", virtualLog = dir / "card.log";
    VirtualCard real{nullptr, realLog.c_str()}, virtualIo{nullptr, virtualLog.c_str()};
    std::string stdoutText, stderrText;
    bool portAccess = true;
    int privilegesGivenUp = 0;

    void out(const char* text) override { stdoutText += text; }
    void err(const char* text) override { stderrText += text; }
    bool openRealCard(std::string& why) override {
        why = "no port access here";
        return portAccess;
    }
    void givePrivilegesUp() override { ++privilegesGivenUp; }
    PortIo& realCard() override { return real; }
    PortIo& virtualCard() override { return virtualIo; }
    std::string defaultSettingsPath() override { return dir / "radio.ini"; }
    bool replaceFails = false;
    bool replaceFile(const char* from, const char* to) override {
        return !replaceFails && std::rename(from, to) == 0;
    }
    unsigned long processId() override { return 42; }

    // Runs "tunrixctl " + words (split at blanks; "_" stands for a blank).
    int run(const std::string& words) {
        stdoutText.clear();
        stderrText.clear();
        std::vector<std::string> args{"tunrixctl"};
        std::istringstream in(words);
        for (std::string w; in >> w;) {
            for (char& c : w) if (c == '_') c = ' ';
            args.push_back(w);
        }
        std::vector<const char*> argv;
        for (const std::string& a : args) argv.push_back(a.c_str());
        return runTunrixctl(static_cast<int>(argv.size()), argv.data(), *this);
    }
};

const std::string kExample = kDefaultSettingsText;

TEST(Tunrixctl, DefaultsAreTheShippedExampleFile) {
    EXPECT_EQ(kExample, readBytes(std::string(TUNRIX_PACKAGE_DIR) + "/radio.ini"));
}

// Refused command lines: the status, a reason on stderr, and nothing written.
TEST(Tunrixctl, RefusedCommandLinesTouchNothing) {
    const std::string long81(81, 'x');
    const struct {
        std::string args;
        int status;
        const char* reason;
    } cases[] = {
        {"", 1, "no command given"},
        {"bogus", 1, "unknown command bogus"},
        {"tune", 1, "tune: missing argument"},
        {"tune 101.1 102.1", 1, "tune: too many arguments"},
        {"off now", 1, "off: too many arguments"},
        {"set-preset 6", 1, "set-preset: missing argument"},
        {"--card wood on", 1, "--card takes real or virtual"},
        {"--loud on", 1, "unknown option --loud"},
        {"on --ini", 1, "--ini needs a value"},
        {"volume sideways", 1, "volume takes up or down"},
        {"tune 120.0", 2, "frequency 120.0 is not a station"},
        {"tune 87.4", 2, "is not a station"},
        {"tune 108.1", 2, "is not a station"},
        {"tune nan", 2, "is not a station"},
        {"tune inf", 2, "is not a station"},
        {"tune 0x58", 2, "is not a station"},
        {"tune -- -95", 2, "is not a station"},
        {"tune 1e2", 2, "is not a station"},
        {"preset 0", 2, "preset 0 does not exist"},
        {"preset 11", 2, "preset 11 does not exist"},
        {"preset 6x", 2, "does not exist"},
        {"set-preset 6 300", 2, "frequency 300 is not a station"},
        {"set-preset 6 101.1 " + long81, 2, "at most 80 characters"},
        {"--port 0x2f8 on", 2, "port 0x2f8 is not the card's"},
        {"--port=20c0 status", 2, "is not the card's"},
        {"volume up 0", 2, "from 1 to 50"},
        {"volume up 51", 2, "from 1 to 50"},
        {"up", 5, "the radio is off"},
        {"volume down", 5, "the radio is off"},
    };
    for (const auto& c : cases) {
        TestHost host;
        std::string file = kExample;
        if (c.status == 5) file.replace(file.find("[POWER STATUS]\r\n1"), 17, "[POWER STATUS]\r\n0");
        writeBytes(host.dir / "radio.ini", file);
        EXPECT_EQ(host.run("--card virtual " + c.args), c.status) << c.args;
        EXPECT_NE(host.stderrText.find(c.reason), std::string::npos) << c.args << ": " << host.stderrText;
        EXPECT_EQ(host.stdoutText.find("usage:") == std::string::npos, true) << c.args;
        EXPECT_EQ(host.stderrText.find("usage:") != std::string::npos, c.status == 1) << c.args;
        EXPECT_EQ(readBytes(host.dir / "radio.ini"), file) << c.args;
        EXPECT_FALSE(std::filesystem::exists(host.virtualLog)) << c.args;
    }
}

// One session of commands on the virtual card: each line's output, the card's
// log lines it adds, and the last station and power the file holds after it.
TEST(Tunrixctl, CommandsDriveTheCardAndSaveTheWindowsBytes) {
    const struct {
        const char* args;
        const char* out;
        const char* cardLines;
        const char* lastStation;
        char power;
    } steps[] = {
        {"tune 99.9", "099.9 MHz\n", "0x20f tune 4424 99.900\n", "099.9", '1'},
        {"preset 6", "101.1 MHz, preset 6 Oldies\n", "0x20f tune 4471 101.075\n", "101.1", '1'},
        {"off", "off\n", "0x20f off\n", "101.1", '0'},
        {"on", "101.1 MHz, preset 6 Oldies\n", "0x20f tune 4471 101.075\n", "101.1", '1'},
        {"volume down 2", "101.1 MHz, preset 6 Oldies\n", "0x20f volume down\n0x20f volume down\n", "101.1", '1'},
        {"volume up", "101.1 MHz, preset 6 Oldies\n", "0x20f volume up\n", "101.1", '1'},
        {"fine-up", "101.2 MHz\n", "0x20f tune 4475 101.175\n", "101.2", '1'},
        {"-q down", "", "0x20f tune 4435 100.175\n", "100.2", '1'},
        {"--port 0x30c preset 9", "107.3 MHz, preset 9 Sports\n", "0x30f tune 4720 107.300\n", "107.3", '1'},
        {"up", "087.5 MHz\n", "0x20f tune 3928 87.500\n", "087.5", '1'},
        {"fine-down", "108.0 MHz\n", "0x20f tune 4748 108.000\n", "108.0", '1'},
        {"set-preset 2 108 Top_of_the_band", "preset 2: 108.0 Top of the band\n", "", "108.0", '1'},
        {"status", "power: on\nstation: 108.0\npreset: 2\ndescription: Top of the band\nport: 0x20c\n", "", "108.0", '1'},
        {"--port 0x30f status", "power: on\nstation: 108.0\npreset: 2\ndescription: Top of the band\nport: 0x30c\n", "", "108.0", '1'},
    };
    TestHost host;   // no radio.ini yet: the first save makes it from the defaults
    std::string log;
    for (const auto& s : steps) {
        ASSERT_EQ(host.run(std::string("--card=virtual ") + s.args), 0) << s.args << host.stderrText;
        EXPECT_EQ(host.stdoutText, s.out) << s.args;
        log += s.cardLines;
        EXPECT_EQ(readBytes(host.virtualLog), log) << s.args;
        std::string expected = kExample;
        expected.replace(16, 5, s.lastStation);
        expected.replace(expected.find("[POWER STATUS]\r\n") + 16, 1, 1, s.power);
        const std::size_t preset2 = expected.find("091.9");
        if (readBytes(host.dir / "radio.ini").find("Top of the band") != std::string::npos) {
            expected.replace(preset2, 5, "108.0");
            expected.replace(expected.find("News"), 4, "Top of the band");
        }
        EXPECT_EQ(readBytes(host.dir / "radio.ini"), expected) << s.args;
    }
    EXPECT_EQ(host.run("presets"), 0);
    EXPECT_EQ(host.stdoutText.substr(0, 28), "1 088.5 Jazz\n2 108.0 Top of ");
    EXPECT_FALSE(std::filesystem::exists(host.realLog));
}

// The real card: port access is asked for before the settings file is read,
// privileges are given up in every case, and a refusal changes nothing.
TEST(Tunrixctl, RealCardAndSettingsFileFaults) {
    TestHost host;
    writeBytes(host.dir / "radio.ini", kExample);
    EXPECT_EQ(host.run("fine-up"), 0);
    EXPECT_EQ(readBytes(host.realLog), "0x20f tune 4475 101.175\n");
    host.portAccess = false;
    EXPECT_EQ(host.run("--ini /nonexistent/radio.ini off"), 3);
    EXPECT_EQ(host.stderrText, "tunrixctl: no port access here\n");
    EXPECT_EQ(host.run("presets"), 0);   // needs no port
    EXPECT_EQ(host.privilegesGivenUp, 3);

    // A settings file that cannot be read, or saved: status 4, old file intact.
    EXPECT_EQ(host.run("--card virtual --ini " + host.dir.path.string() + " status"), 4);
    writeBytes(host.dir / "blocker", "");
    EXPECT_EQ(host.run("--card virtual --ini " + (host.dir / "blocker") + "/radio.ini on"), 4);
    host.replaceFails = true;
    const std::string before = readBytes(host.dir / "radio.ini");
    EXPECT_EQ(host.run("--card virtual tune 88.0"), 4);
    EXPECT_NE(host.stderrText.find("settings not saved"), std::string::npos) << host.stderrText;
    EXPECT_EQ(readBytes(host.dir / "radio.ini"), before);
    EXPECT_FALSE(std::filesystem::exists(host.virtualLog));
}

}  // namespace

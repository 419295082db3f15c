// The main window's initialisation, command dispatch, power, options and exit.
#include <string>
#include "settings/settings_file.h"
#include "tests/unit/ui_test_rig.h"
#include "radio/window_ops.h"
#include "ui/main_window.h"

namespace {

std::string radioIni(const char* last, int power, int tray, int beeps) {
    std::string text = std::string("[LAST STATION]\r\n") + last + "\r\n\r\n[PRESETS]\r\n";
    const char* presets[] = {"088.0", "090.0", "101.5", "094.0", "096.0",
                             "098.0", "100.0", "102.0", "104.0", "106.0"};
    for (const char* p : presets) text += std::string(p) + "\r\n";
    text += "\r\n[PRESET_INFORMATION]\r\n";
    for (int i = 1; i <= 10; ++i) text += "Station " + std::to_string(i) + "\r\n";
    text += "\r\n[POWER STATUS]\r\n" + std::to_string(power) + "\r\n\r\n[BUTTON BEEPS]\r\n" +
            std::to_string(beeps) + "\r\n\r\n[TRAY STATUS]\r\n" + std::to_string(tray) +
            "\r\n\r\n[PRESET_CYCLE_DURATION]\r\n10\r\n\r\n[PRESET_CYCLE_FLAG]\r\n0\r\n\r\n"
            "[TITLEBAR_FLAG]\r\n1\r\n\r\n[IO PORT]\r\n20f";
    return text;
}

TEST(MainWindowHelpers, MatchPresetIndexComparesTextsNotNumbers) {
    struct Case { const char* preset3; const char* text; int expected; };
    const Case cases[] = {
        {"101.5", "101.5", 2},
        {"101.50", "101.5", 10},   // the same number, another text
        {"101.5", "101.50", 10},
        {"101.5", "090.0", 1},     // preset 2 matches first
        {"101.5", "1234567890123", 10},
    };
    for (const Case& c : cases) {
        UiRig rig;
        rig.preset(2, c.preset3);
        EXPECT_EQ(matchPresetIndex(rig.settings(), c.text), c.expected) << c.preset3 << " / " << c.text;
    }
}

TEST(MainWindowHelpers, WindowTitle) {
    UiRig rig;
    char title[kTitleSize];
    rig.window().currentPresetIndex = 2;
    formatWindowTitle(rig.program, title, sizeof title);
    EXPECT_STREQ(title, "Tunrix");
    rig.settings().titleBarFlag = 1;
    formatWindowTitle(rig.program, title, sizeof title);
    EXPECT_STREQ(title, "Tunrix - Station 3");
    rig.window().currentPresetIndex = 10;
    formatWindowTitle(rig.program, title, sizeof title);
    EXPECT_STREQ(title, "Tunrix - ");
    // The longest description fits whole.
    rig.window().currentPresetIndex = 0;
    std::memset(rig.settings().presets.slot[0].description, 'd', 80);
    formatWindowTitle(rig.program, title, sizeof title);
    EXPECT_EQ(std::strlen(title), 89u);
}

TEST(MainWindowHelpers, StorePresetKeepsOrReplacesTheDescription) {
    UiRig rig;
    PresetTable& table = rig.settings().presets;
    EXPECT_TRUE(storePreset(rig.settings(), 3, "099.9", nullptr));
    EXPECT_STREQ(table.slot[3].frequency, "099.9");
    EXPECT_STREQ(table.slot[3].description, "Station 4");
    storePreset(rig.settings(), 4, "123456789012", "two\r\nlines");   // cut to the field
    EXPECT_STREQ(table.slot[4].frequency, "123456789");
    EXPECT_STREQ(table.slot[4].description, "two  lines");
    EXPECT_FALSE(storePreset(rig.settings(), 10, "099.9", nullptr));   // not a preset: nothing written
    EXPECT_STREQ(rig.settings().lastStation(), "101.5");
}

TEST(MainWindowInit, StartStatesTable) {
    struct Case {
        int power, tray, noTray;
        Log expected;
        int runInTray;
    };
    const Case cases[] = {
        {0, 0, 0, {"trayicons", "title Tunrix - Station 3", "sound beep.wav", "card tune 4488", "tooltips", "show"}, 0},
        {1, 0, 0, {"trayicons", "title Tunrix - Station 3", "tooltips", "show"}, 0},
        {0, 1, 0, {"trayicons", "title Tunrix - Station 3", "sound beep.wav", "card tune 4488", "tooltips",
                   "sound beep.wav", "card tune 4488", "tray add on FM 101.5", "caption 2 &Hide", "hide"}, 1},
        {1, 1, 0, {"trayicons", "title Tunrix - Station 3", "tooltips", "sound beep.wav", "card tune 4488",
                   "tray add on FM 101.5", "caption 2 &Hide", "hide"}, 1},
        {1, 1, 1, {"title Tunrix - Station 3", "tooltips", "show"}, 0},   // Windows NT 3.x: no tray
        // Any nonzero tray status reads as 1, so Options and Exit know the icon is shown.
        {1, 2, 0, {"trayicons", "title Tunrix - Station 3", "tooltips", "sound beep.wav", "card tune 4488",
                   "tray add on FM 101.5", "caption 2 &Hide", "hide"}, 1},
    };
    for (const Case& c : cases) {
        ScratchDirectory dir;
        ScratchDirectory::write("radio.ini", radioIni("101.5", c.power, c.tray, 1));
        UiRig rig;
        rig.program.settings = RadioSettings{};
        rig.window() = MainWindowState{};
        rig.window().noTrayMode = c.noTray;
        initialiseMainWindow(rig.program);
        SCOPED_TRACE("power " + std::to_string(c.power) + " tray " + std::to_string(c.tray));
        EXPECT_EQ(rig.log, c.expected);
        EXPECT_EQ(rig.settings().powerStatus, 1);
        EXPECT_EQ(rig.window().runInTray, c.runInTray);
        EXPECT_STREQ(rig.window().currentFrequency, "101.5");
        EXPECT_EQ(rig.window().currentPresetIndex, 2);
    }
}

TEST(MainWindowInit, LastStationMatchedAsText) {
    ScratchDirectory dir;
    std::string text = radioIni("101.50", 1, 0, 0);
    ScratchDirectory::write("radio.ini", text);
    UiRig rig;
    initialiseMainWindow(rig.program);
    EXPECT_EQ(rig.window().currentPresetIndex, 10);
    EXPECT_STREQ(rig.window().currentFrequency, "101.50");
}

TEST(MainWindowInit, MissingSettingsFileEndsBeforeAnythingElse) {
    ScratchDirectory dir;
    UiRig rig;
    initialiseMainWindow(rig.program);
    EXPECT_EQ(rig.log, (Log{"message Error opening radio.ini file!\n|Error", "end 0"}));
}

const char* const kRangeMessage = "message Frequency out of Range!\n|Error";

TEST(MainWindowCommands, PresetPressSwitchesOnAndTunes) {
    struct Case { int power, trayStatus, noTray; const char* preset3; Log expected; };
    const Case cases[] = {
        {0, 0, 0, "092.0", {"redraw", "sound beep.wav", "card tune 4108", "focus 1002"}},
        {1, 1, 0, "092.0", {"redraw", "sound beep.wav", "card tune 4108", "focus 1002", "tray update on FM 092.0"}},
        {0, 1, 1, "092.0", {"redraw", "sound beep.wav", "card tune 4108", "focus 1002"}},
        // Out of the band: the message instead of the tune, every other step still done.
        {0, 1, 0, "120.0", {"redraw", "sound beep.wav", kRangeMessage, "focus 1002", "tray update on FM 120.0"}},
    };
    for (const Case& c : cases) {
        UiRig rig;
        rig.settings().buttonBeeps = 1;
        rig.settings().powerStatus = c.power;
        rig.settings().trayStatus = c.trayStatus;
        rig.window().noTrayMode = c.noTray;
        rig.preset(2, c.preset3);
        EXPECT_TRUE(onMainCommand(rig.program, 1002));
        EXPECT_EQ(rig.log, c.expected);
        EXPECT_EQ(rig.settings().powerStatus, 1);
        EXPECT_EQ(rig.window().currentPresetIndex, 2);
        EXPECT_STREQ(rig.window().currentFrequency, c.preset3);
    }
}

TEST(MainWindowCommands, VolumeAndStepsRefusedWhileOff) {
    for (unsigned command : {1010u, 1011u, 1024u, 1025u, 1026u, 1027u}) {
        UiRig rig;
        rig.settings().buttonBeeps = 1;
        rig.settings().powerStatus = 0;
        EXPECT_TRUE(onMainCommand(rig.program, command));
        EXPECT_TRUE(rig.log.empty()) << command;
        EXPECT_STREQ(rig.window().currentFrequency, "101.5");
    }
}

TEST(MainWindowCommands, VolumeWhileOn) {
    UiRig rig;
    rig.settings().buttonBeeps = 1;
    onMainCommand(rig.program, 1010);
    onMainCommand(rig.program, 1011);
    EXPECT_EQ(rig.log, (Log{"sound beep.wav", "card volume down", "focus 1010",
                            "sound beep.wav", "card volume up", "focus 1011"}));
}

TEST(MainWindowCommands, TuningStepsLeaveNoPresetEvenOnAPresetFrequency) {
    struct Case { unsigned command; const char* from; const char* to; int word; };
    const Case cases[] = {
        {1025, "099.5", "100.5", 4448}, {1024, "101.0", "100.0", 4428},
        {1027, "099.9", "100.0", 4428}, {1026, "100.1", "100.0", 4428},
    };
    for (const Case& c : cases) {
        UiRig rig;
        rig.settings().buttonBeeps = 1;
        rig.preset(4, c.to);
        rig.window().currentPresetIndex = 4;
        std::strcpy(rig.window().currentFrequency, c.from);
        onMainCommand(rig.program, c.command);
        EXPECT_EQ(rig.log, (Log{"redraw", "sound beep.wav", "card tune " + std::to_string(c.word)})) << c.command;
        EXPECT_EQ(rig.window().currentPresetIndex, 10);
        EXPECT_STREQ(rig.window().currentFrequency, c.to);
        EXPECT_STREQ(rig.settings().lastStation(), c.to);
    }
}

TEST(MainWindowCommands, PowerOffStopsScanMemoryAndSleepTimer) {
    for (int sleep : {1, 0, 2}) {
        UiRig rig;
        rig.settings().buttonBeeps = 1;
        rig.window().scanActive = 1;
        rig.window().sleepTimerActive = sleep;
        std::strcpy(rig.window().currentFrequency, "094.0");
        onMainCommand(rig.program, 1033);
        Log expected{"stop 1", "stop 2", "caption 1054 Preset &Scan", "redraw", "sound beep.wav", "focus 1033",
                     "tray update off Radio is OFF", "card off"};
        if (sleep == 1) expected.insert(expected.begin(), "stop 5");
        EXPECT_EQ(rig.log, expected) << sleep;
        EXPECT_EQ(rig.window().scanActive, 0);
        EXPECT_EQ(rig.window().sleepTimerActive, sleep == 1 ? 0 : sleep);
        EXPECT_EQ(rig.settings().powerStatus, 0);
        EXPECT_STREQ(rig.settings().lastStation(), "094.0");

        rig.take();
        onMainCommand(rig.program, 1033);   // on again: the last station, no scan
        EXPECT_EQ(rig.log, (Log{"sound beep.wav", "redraw", "card tune 4188", "tray update on FM 094.0",
                                "focus 1033"}));
        EXPECT_EQ(rig.window().scanActive, 0);
    }
    // A last station out of the band: the message instead of the tune, and
    // every other step of switching on.
    UiRig rig;
    rig.settings().powerStatus = 0;
    std::strcpy(rig.settings().lastStation(), "120.0");
    onMainCommand(rig.program, 1033);
    EXPECT_EQ(rig.log, (Log{"redraw", kRangeMessage, "tray update on FM 101.5", "focus 1033"}));
    EXPECT_EQ(rig.settings().powerStatus, 1);
}

TEST(MainWindowCommands, NotificationCodesAndForeignCommandsAreNotHandled) {
    for (unsigned command : {0x10000u | 1000u, 0x10000u | 2u, 0x50000u | 1033u, 0x10000u | 1124u, 3u, 1012u}) {
        UiRig rig;
        EXPECT_FALSE(onMainCommand(rig.program, command)) << command;
        EXPECT_TRUE(rig.log.empty()) << command;
    }
}

// The core routes the timed features' commands and every timer tick itself.
TEST(MainWindowCommands, TimedCommandsAndTimerTicksReachTheirFeatures) {
    struct Case { unsigned command; int timer; Log expected; };
    const Case cases[] = {
        {1124, 0, {"dialog 200", "stop 3", "redraw"}},   // scheduler left disarmed
        {1152, 0, {"dialog 202", "stop 5", "redraw"}},   // sleep timer left off
        {0, kScanTimer, {"redraw", "focus 1000", "card tune 3948"}},
        {0, kMemoryTimer, {"stop 2", "redraw"}},
        {0, kSchedulerPollTimer, {}},   // disarmed: nothing
        {0, kPlayingTimeTimer, {}},     // not running: nothing
        {0, kSleepTimer, {}},           // not running: nothing
        {0, 6, {}},
    };
    for (const Case& c : cases) {
        UiRig rig;
        if (c.command != 0) EXPECT_TRUE(onMainCommand(rig.program, c.command));
        else onMainTimer(rig.program, c.timer);
        EXPECT_EQ(rig.log, c.expected) << c.command << " " << c.timer;
    }
}

TEST(MainWindowCommands, ExitOrHide) {
    struct Case { unsigned command; int runInTray, noTray; bool hides; };
    const Case cases[] = {
        {2, 1, 0, true}, {1, 1, 0, true}, {2, 0, 0, false}, {2, 1, 1, false}, {40024, 1, 0, false},
    };
    for (const Case& c : cases) {
        ScratchDirectory dir;
        UiRig rig;
        rig.window().runInTray = c.runInTray;
        rig.window().noTrayMode = c.noTray;
        EXPECT_TRUE(onMainCommand(rig.program, c.command));
        if (c.hides) {
            EXPECT_EQ(rig.log, Log{"hide"});
        } else {
            EXPECT_EQ(rig.log.back(), "end 0") << c.command;
        }
    }
}

TEST(MainWindowExit, WritesRadioIniAndEnds) {
    for (int noTray : {0, 1}) {
        ScratchDirectory dir;
        UiRig rig;
        rig.window().noTrayMode = noTray;
        std::strcpy(rig.window().currentFrequency, "095.5");
        rig.settings().powerStatus = 0;
        exitProgram(rig.program);
        Log expected{"stop 1", "stop 2", "stop 3", "stop 4"};
        if (noTray == 0) expected.push_back("tray remove off Radio is OFF");
        for (const char* s : {"destroy", "release", "end 0"}) expected.push_back(s);
        EXPECT_EQ(rig.log, expected);

        const std::string text = ScratchDirectory::read("radio.ini");
        RadioSettings saved{};
        parseSettingsText(text.data(), text.size(), saved);
        EXPECT_STREQ(saved.lastStation(), "095.5");
        EXPECT_EQ(saved.powerStatus, 0);
        EXPECT_STREQ(saved.presets.slot[9].frequency, "106.0");
    }
}

TEST(MainWindowExit, SessionEndWritesTheSameFileWithoutEnding) {
    ScratchDirectory dir;
    UiRig rig;
    std::strcpy(rig.window().currentFrequency, "097.1");
    EXPECT_EQ(saveSettingsAtSessionEnd(rig.program), 0);
    EXPECT_TRUE(rig.log.empty());
    const std::string text = ScratchDirectory::read("radio.ini");
    char expected[4096];
    const std::size_t n = formatSettingsText(rig.settings(), "097.1", 1, expected, sizeof expected);
    EXPECT_EQ(text, std::string(expected, n));
}

TEST(MainWindowCommands, OptionsReconcilesTrayIcon) {
    struct Case { int runInTrayAfter, trayStatus, noTray; Log expected; int trayAfter; };
    const Case cases[] = {
        {1, 0, 0, {"dialog 170", "tray add on FM 101.5", "caption 2 &Hide", "title Tunrix"}, 1},
        {0, 1, 0, {"dialog 170", "tray remove on FM 101.5", "show", "foreground", "caption 2 E&xit", "title Tunrix"}, 0},
        {1, 1, 0, {"dialog 170", "title Tunrix"}, 1},
        {0, 1, 1, {"dialog 170", "title Tunrix"}, 1},
        {1, 0, 1, {"dialog 170", "title Tunrix"}, 0},
    };
    for (const Case& c : cases) {
        UiRig rig;
        rig.settings().trayStatus = c.trayStatus;
        rig.window().noTrayMode = c.noTray;
        rig.platform.onDialog = [&](DialogId) { rig.window().runInTray = c.runInTrayAfter; };
        onMainCommand(rig.program, 1064);
        EXPECT_EQ(rig.log, c.expected);
        EXPECT_EQ(rig.settings().trayStatus, c.trayAfter);
    }
}

TEST(MainWindowCommands, RestoreAboutAndDisplayClick) {
    UiRig rig;
    onMainCommand(rig.program, 40023);
    onMainCommand(rig.program, 1031);
    EXPECT_EQ(rig.take(), (Log{"show", "foreground", "dialog 138"}));
    struct Point { unsigned x, y; bool opens; };
    for (Point p : {Point{13, 9, true}, Point{139, 42, true}, Point{140, 20, false}, Point{20, 43, false},
                    Point{12, 20, false}}) {
        EXPECT_EQ(onPanelPress(rig.program, static_cast<int>(p.x), static_cast<int>(p.y)), p.opens)
            << p.x << "," << p.y;
        EXPECT_EQ(rig.take(), p.opens ? Log{"dialog 137"} : Log{});
    }
}

}  // namespace

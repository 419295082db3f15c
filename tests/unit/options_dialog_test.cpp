// Options dialog: what it shows when it opens and what OK stores.
#include <gtest/gtest.h>
#include <string>
#include "settings/options.h"
#include "tests/unit/timed_fixture.h"

namespace {

// The dialog as the main window runs it: on the Program's settings and tray choice.
OptionsTarget targetOf(Program& p) { return {p.settings, p.window.runInTray, p.window.noTrayMode == 0}; }

void fillSettings(RadioSettings& s) {
    s.ioPort = kPort20F;
    s.titleBarFlag = 1;
    s.presetCycleFlag = 1;
    snprintf(s.presetCycleDuration, sizeof s.presetCycleDuration, "%s", "15");
    s.buttonBeeps = 1;
    for (int i = 0; i < kPresetCount; ++i) {
        snprintf(s.presets.slot[i].frequency, kFrequencyTextSize, "%05.1f", 88.0 + i);
        snprintf(s.presets.slot[i].description, kDescriptionSize, "Station %d", i + 1);
    }
    snprintf(s.lastStation(), kFrequencyTextSize, "%s", "101.5");
}

TEST(OptionsDialogOpening, ChecksAndFillsFromTheSettings) {
    struct Case {
        uint16_t port; int cycleFlag; int runInTray, noTray; int beeps, title;
        bool port20C, port30C, seconds, minutes, trayChecked;
    } cases[] = {
        {0x20F, 0, 1, 0, 1, 1, true, false, true, false, true},
        {0x30F, 1, 1, 1, 0, 0, false, true, false, true, false},   // no tray on NT 3.x
        {0x2AB, 2, 0, 0, 7, 9, false, false, false, false, false}, // odd values check neither
    };
    for (const Case& c : cases) {
        TimedFixtureProgram f;
        fillSettings(f.program.settings);
        f.program.settings.ioPort = c.port;
        f.program.settings.presetCycleFlag = c.cycleFlag;
        f.program.settings.buttonBeeps = c.beeps;
        f.program.settings.titleBarFlag = c.title;
        f.program.window.runInTray = c.runInTray;
        f.program.window.noTrayMode = c.noTray;
        OptionsDialogFields fields;
        optionsDialogOpening(targetOf(f.program), fields);
        EXPECT_EQ(fields.port20C, c.port20C) << c.port;
        EXPECT_EQ(fields.port30C, c.port30C) << c.port;
        EXPECT_EQ(fields.seconds, c.seconds);
        EXPECT_EQ(fields.minutes, c.minutes);
        EXPECT_EQ(fields.runInTray, c.trayChecked);
        EXPECT_EQ(fields.buttonBeeps, c.beeps != 0);
        EXPECT_EQ(fields.titleBar, c.title != 0);
        EXPECT_STREQ(fields.cycleDuration, "15");
        EXPECT_STREQ(fields.frequency[0], "088.0");
        EXPECT_STREQ(fields.frequency[9], "097.0");
        EXPECT_STREQ(fields.description[9], "Station 10");
    }
}

TEST(OptionsDialogOk, StoresChoicesAndPortWithoutValidating) {
    struct Case { bool port20C, port30C, seconds, minutes; uint16_t port; int cycleFlag; } cases[] = {
        {true, false, true, false, 0x20F, 0},
        {false, true, false, true, 0x30F, 1},
        {false, false, false, false, 0x30F, 1},   // neither checked
    };
    for (const Case& c : cases) {
        TimedFixtureProgram f;
        fillSettings(f.program.settings);
        OptionsDialogFields fields;
        optionsDialogOpening(targetOf(f.program), fields);
        fields.port20C = c.port20C;
        fields.port30C = c.port30C;
        fields.seconds = c.seconds;
        fields.minutes = c.minutes;
        fields.buttonBeeps = false;
        fields.titleBar = false;
        snprintf(fields.frequency[4], kOptionsFieldSize, "%s", "not a frequency");
        optionsDialogOk(targetOf(f.program), fields);
        EXPECT_EQ(f.program.settings.ioPort, c.port);
        EXPECT_EQ(f.program.settings.presetCycleFlag, c.cycleFlag);
        EXPECT_EQ(f.program.settings.buttonBeeps, 0);
        EXPECT_EQ(f.program.settings.titleBarFlag, 0);
        EXPECT_STREQ(f.program.settings.presets.slot[4].frequency, "not a fre");
        EXPECT_STREQ(f.program.settings.lastStation(), "101.5");   // record 10 untouched
        EXPECT_TRUE(f.platform.log.empty());                       // no retune, no redraw
    }
}

TEST(OptionsDialogOk, RunInTrayIsNeverSetWithoutATray) {
    for (int noTray : {0, 1}) {
        for (bool checked : {false, true}) {
            TimedFixtureProgram f;
            f.program.window.noTrayMode = noTray;
            f.program.window.runInTray = !checked;
            OptionsDialogFields fields;
            optionsDialogOpening(targetOf(f.program), fields);
            fields.runInTray = checked;
            optionsDialogOk(targetOf(f.program), fields);
            EXPECT_EQ(f.program.window.runInTray, (checked && !noTray) ? 1 : 0) << noTray << checked;
        }
    }
}

TEST(OptionsDialogOk, CopiesAreBoundedToTheStoredWidths) {
    TimedFixtureProgram f;
    fillSettings(f.program.settings);
    OptionsDialogFields fields;
    optionsDialogOpening(targetOf(f.program), fields);
    const std::string longText(kOptionsFieldSize - 1, 'x');
    for (int i = 0; i < kPresetCount; ++i) {
        snprintf(fields.frequency[i], kOptionsFieldSize, "%s", longText.c_str());
        snprintf(fields.description[i], kOptionsFieldSize, "%s", longText.c_str());
    }
    snprintf(fields.description[2], kOptionsFieldSize, "%s", "");
    snprintf(fields.cycleDuration, kOptionsFieldSize, "%s", "12345");
    optionsDialogOk(targetOf(f.program), fields);
    const RadioSettings& s = f.program.settings;
    for (int i = 0; i < kPresetCount; ++i) {
        EXPECT_EQ(std::string(s.presets.slot[i].frequency), std::string(9, 'x')) << i;
        if (i != 2) {
            EXPECT_EQ(std::string(s.presets.slot[i].description), std::string(80, 'x')) << i;
        }
    }
    EXPECT_STREQ(s.presets.slot[2].description, "");
    EXPECT_STREQ(s.presetCycleDuration, "1234");
    EXPECT_STREQ(s.lastStation(), "101.5");
}

TEST(OptionsDialogOk, OpeningThenOkKeepsValidSettings) {
    TimedFixtureProgram f;
    fillSettings(f.program.settings);
    f.program.window.runInTray = 1;
    const RadioSettings before = f.program.settings;
    OptionsDialogFields fields;
    optionsDialogOpening(targetOf(f.program), fields);
    optionsDialogOk(targetOf(f.program), fields);
    const RadioSettings& s = f.program.settings;
    EXPECT_EQ(s.ioPort, before.ioPort);
    EXPECT_EQ(s.titleBarFlag, before.titleBarFlag);
    EXPECT_EQ(s.presetCycleFlag, before.presetCycleFlag);
    EXPECT_STREQ(s.presetCycleDuration, before.presetCycleDuration);
    EXPECT_EQ(s.buttonBeeps, before.buttonBeeps);
    for (int i = 0; i < kPresetCount; ++i) {
        EXPECT_STREQ(s.presets.slot[i].frequency, before.presets.slot[i].frequency);
        EXPECT_STREQ(s.presets.slot[i].description, before.presets.slot[i].description);
    }
    EXPECT_EQ(f.program.window.runInTray, 1);
}

}  // namespace

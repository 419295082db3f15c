// The tray icon's mouse handling, its popup menu texts, and the tooltip table.
#include <string>
#include "tests/unit/ui_test_rig.h"
#include "ui/tooltips.h"
#include "ui/tray.h"

namespace {

TEST(Tray, LeftClickTogglesPower) {
    UiRig rig;
    rig.settings().buttonBeeps = 1;
    rig.preset(1, "092.0");   // presets 2 and 3 alike; preset 3 was pressed
    rig.window().currentPresetIndex = 2;
    std::strcpy(rig.window().currentFrequency, "092.0");
    onTrayButton(rig.program, TrayButton::leftDown);
    EXPECT_EQ(rig.take(), (Log{"redraw", "sound beep.wav", "card off", "tray update off Radio is OFF"}));
    EXPECT_EQ(rig.settings().powerStatus, 0);
    EXPECT_STREQ(rig.settings().lastStation(), "092.0");

    onTrayButton(rig.program, TrayButton::leftDown);
    EXPECT_EQ(rig.take(), (Log{"sound beep.wav", "redraw", "card tune 4108", "tray update on FM 092.0"}));
    EXPECT_EQ(rig.settings().powerStatus, 1);
    // The station and the preset number stay as they were.
    EXPECT_STREQ(rig.window().currentFrequency, "092.0");
    EXPECT_EQ(rig.window().currentPresetIndex, 2);
}

TEST(Tray, ToggleLeavesScanRunning) {
    UiRig rig;
    rig.window().scanActive = 1;
    onTrayButton(rig.program, TrayButton::leftDown);
    EXPECT_EQ(rig.log, (Log{"redraw", "card off", "tray update off Radio is OFF"}));
    EXPECT_EQ(rig.window().scanActive, 1);
    EXPECT_EQ(rig.settings().powerStatus, 0);
}

TEST(Tray, RightClickShowsMenuOtherMessagesIgnored) {
    UiRig rig;
    onTrayButton(rig.program, TrayButton::other);   // moves, releases, double clicks
    EXPECT_TRUE(rig.log.empty());
    onTrayButton(rig.program, TrayButton::rightDown);
    EXPECT_EQ(rig.log, (Log{"foreground", "traymenu"}));
    EXPECT_STREQ(rig.platform.lastTrayMenu.presetText[0], "(1) [088.0]");   // the model is handed over
    EXPECT_EQ(rig.settings().powerStatus, 1);
}

// Windows NT 3.x shows no icon, so no message of the icon may act: neither the
// power toggle nor the menu nor the foreground.
TEST(Tray, NoTrayModeIgnoresEveryIconMessage) {
    for (int power : {0, 1}) {
        UiRig rig;
        rig.window().noTrayMode = 1;
        rig.settings().powerStatus = power;
        for (TrayButton button : {TrayButton::leftDown, TrayButton::rightDown, TrayButton::other})
            onTrayButton(rig.program, button);
        EXPECT_TRUE(rig.log.empty()) << power;
        EXPECT_EQ(rig.settings().powerStatus, power);
    }
}

TEST(Tray, MenuModel) {
    UiRig rig;
    rig.preset(9, "107.9");
    rig.preset(4, "");
    TrayMenuModel model;
    for (int scan : {0, 1, 2}) {
        rig.window().scanActive = scan;
        buildTrayMenuModel(rig.program, model);
        EXPECT_STREQ(model.presetText[0], "(1) [088.0]");
        EXPECT_STREQ(model.presetText[4], "(5) []");
        EXPECT_STREQ(model.presetText[9], "(10) [107.9]");
        EXPECT_EQ(model.startScanEnabled, scan != 1) << scan;
        EXPECT_EQ(model.stopScanEnabled, scan == 1) << scan;
    }
}

TEST(Tooltips, Texts) {
    UiRig rig;
    rig.preset(2, "095.5");
    rig.preset(6, "");
    struct Case { int id; int runInTray; const char* text; };
    const Case cases[] = {
        {1000, 0, "FM 088.0"}, {1002, 0, "FM 095.5"}, {1006, 0, "FM "}, {1009, 0, "FM 106.0"},
        {1011, 0, "Increase Volume"}, {1010, 0, "Decrease Volume"}, {1025, 0, "Tune UP"},
        {1024, 0, "Tune Down"}, {1030, 0, "Memorize Station"}, {1027, 0, "Fine Tune Up"},
        {1026, 0, "Fine Tune Down"}, {1033, 0, "Radio On/Off"}, {2, 0, "Exit Tunrix"},
        {2, 1, "Hide Console"}, {1049, 0, "Jump to Station"}, {1031, 0, "About Tunrix"},
        {1054, 0, "Scan Presets"}, {1064, 0, "Tunrix Options"}, {1152, 0, "Sleep Timer"},
        {1124, 0, "Event Scheduler"},
    };
    for (const Case& c : cases) {
        rig.window().runInTray = c.runInTray;
        char text[kTooltipTextSize] = "unchanged";
        EXPECT_TRUE(tooltipTextFor(rig.program, c.id, text, sizeof text)) << c.id;
        EXPECT_STREQ(text, c.text) << c.id;
    }
    for (int id : {1, 1012, 1070, 0, -1}) {
        char text[kTooltipTextSize] = "unchanged";
        EXPECT_FALSE(tooltipTextFor(rig.program, id, text, sizeof text)) << id;
        EXPECT_STREQ(text, "unchanged");
    }
    char small[6];
    EXPECT_TRUE(tooltipTextFor(rig.program, 1011, small, sizeof small));
    EXPECT_STREQ(small, "Incre");
}

}  // namespace

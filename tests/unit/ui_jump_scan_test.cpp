// The Jump dialog's acceptance, the Jump flow, memory mode and the preset scan.
#include <algorithm>
#include <string>
#include "tests/unit/ui_test_rig.h"
#include "timed/scheduler.h"
#include "ui/display.h"
#include "ui/jump.h"
#include "ui/main_window.h"
#include "ui/scan.h"

namespace {

TEST(Jump, AcceptanceReadsEightCharacters) {
    struct Case { const char* typed; bool accepted; const char* kept; };
    const Case cases[] = {
        {"95", true, "95"}, {"87.5", true, "87.5"}, {"108", true, "108"}, {"108.0", true, "108.0"},
        {"87.4", false, "87.4"}, {"108.1", false, "108.1"}, {"abc", false, "abc"}, {"", false, ""},
        {"95abc", true, "95abc"}, {"  100.1", true, "  100.1"}, {"1e2", true, "1e2"},
        {"nan", false, "nan"}, {"inf", false, "inf"}, {"0x5F", false, "0x5F"}, {"-95", false, "-95"},
        {"100.0000001", true, "100.0000"}, {"123456789012", false, "12345678"},
        {"        95", false, "        "},   // the number lies beyond the first 8 characters
    };
    for (const Case& c : cases) {
        char accepted[kJumpTextSize];
        const DialogVerdict verdict = acceptJumpText(c.typed, accepted);
        EXPECT_EQ(verdict.close, c.accepted) << c.typed;
        EXPECT_STREQ(accepted, c.kept) << c.typed;
        EXPECT_STREQ(verdict.messageText, c.accepted ? nullptr : kInvalidJumpText) << c.typed;
        EXPECT_STREQ(verdict.messageTitle, c.accepted ? nullptr : kInvalidJumpTitle) << c.typed;
    }
}

// A Jump dialog that types `typed` and presses OK (or Cancel when null).
void typeInJumpDialog(UiRig& rig, const char* typed) {
    rig.platform.onJumpDialog = [typed](char (&accepted)[kJumpTextSize]) {
        if (typed == nullptr) return false;
        EXPECT_TRUE(acceptJumpText(typed, accepted).close) << typed;
        return true;
    };
}

TEST(Jump, FlowMatchesPresetAndTunesTheTypedText) {
    struct Case { const char* preset4; int index; };
    for (const Case& c : {Case{"095.0", 3}, Case{"95.0", 10}, Case{"95", 10}}) {
        UiRig rig;
        rig.settings().buttonBeeps = 1;
        rig.preset(3, c.preset4);
        typeInJumpDialog(rig, "95");
        onMainCommand(rig.program, 1049);
        EXPECT_EQ(rig.log, (Log{"dialog 137", "redraw", "card tune 4228"}));   // no beep, no focus
        EXPECT_EQ(rig.window().currentPresetIndex, c.index) << c.preset4;
        EXPECT_STREQ(rig.window().currentFrequency, "95");    // as typed until painted
        EXPECT_STREQ(rig.settings().lastStation(), "101.5");  // the last station is not the Jump's
    }
}

TEST(Jump, ShownUntilAnotherCommandAndKeptByCancel) {
    UiRig rig;
    typeInJumpDialog(rig, "96.3");
    runJumpFlow(rig.program);
    DisplayPlan plan;
    planDisplayPaint(rig.program, plan);
    planDisplayPaint(rig.program, plan);
    EXPECT_STREQ(displayedFrequencyText(rig.program), "096.3");

    typeInJumpDialog(rig, nullptr);   // Cancel: station and display unchanged
    rig.take();
    runJumpFlow(rig.program);
    EXPECT_EQ(rig.log, Log{"dialog 137"});
    EXPECT_STREQ(displayedFrequencyText(rig.program), "096.3");

    onMainCommand(rig.program, 1027);   // a tuning step: the display follows the station
    EXPECT_STREQ(displayedFrequencyText(rig.program), "096.4");
    typeInJumpDialog(rig, "96.3");
    runJumpFlow(rig.program);
    onMainCommand(rig.program, 1001);   // a preset press
    EXPECT_STREQ(displayedFrequencyText(rig.program), "090.0");

    typeInJumpDialog(rig, "96.3");
    runJumpFlow(rig.program);
    std::strcpy(rig.program.event.station, "99.9");
    rig.program.event.playForever = 1;
    fireEvent(rig.program);             // a scheduled event: its station is shown
    planDisplayPaint(rig.program, plan);
    EXPECT_STREQ(displayedFrequencyText(rig.program), "099.9");
    EXPECT_STREQ(rig.window().currentFrequency, "99.9");   // saved at exit as the event set it
}

TEST(Jump, LeavesAScanAndMemoryModeRunning) {
    for (unsigned mode : {1054u, 1030u}) {   // Preset Scan, Memory
        UiRig rig;
        onMainCommand(rig.program, mode);
        rig.take();
        typeInJumpDialog(rig, "95");
        runJumpFlow(rig.program);
        EXPECT_EQ(rig.take(), (Log{"dialog 137", "redraw", "card tune 4228"})) << mode;   // no timer stopped
        EXPECT_EQ(rig.window().scanActive, mode == 1054 ? 1 : 0);
        EXPECT_EQ(rig.window().memoryMode, mode == 1030 ? 1 : 0);
    }
}

TEST(Jump, WhileOffSwitchesTheRadioOn) {
    struct Case { int trayStatus, noTray; Log expected; };
    const Case cases[] = {
        {1, 0, {"dialog 137", "redraw", "card tune 4228", "tray update on FM 95"}},
        {0, 0, {"dialog 137", "redraw", "card tune 4228"}},
        {1, 1, {"dialog 137", "redraw", "card tune 4228"}},
    };
    for (const Case& c : cases) {
        UiRig rig;
        rig.settings().powerStatus = 0;
        rig.settings().trayStatus = c.trayStatus;
        rig.window().noTrayMode = c.noTray;
        typeInJumpDialog(rig, "95");
        runJumpFlow(rig.program);
        EXPECT_EQ(rig.log, c.expected);
        EXPECT_EQ(rig.settings().powerStatus, 1);
    }
}

TEST(Jump, RefusedTextAppliesNothing) {
    UiRig rig;
    rig.platform.onJumpDialog = [](char (&accepted)[kJumpTextSize]) {
        EXPECT_FALSE(acceptJumpText("87.4", accepted).close);
        return false;   // the user gives up
    };
    runJumpFlow(rig.program);
    EXPECT_EQ(rig.log, Log{"dialog 137"});
    EXPECT_STREQ(rig.window().currentFrequency, "101.5");
    EXPECT_TRUE(aboutDialogCloses(1) && aboutDialogCloses(2));
    EXPECT_FALSE(aboutDialogCloses(0x10001) || aboutDialogCloses(1151));
}

TEST(Scan, IntervalFromDwell) {
    struct Case { const char* text; std::size_t capacity; int minutes; uint32_t ms; };
    const Case cases[] = {
        {"10", 5, 0, 10000}, {"2", 5, 1, 120000}, {" 7", 5, 0, 7000}, {"5x", 5, 0, 5000},
        {"9999", 5, 1, 599940000}, {"0", 5, 0, 1000}, {"", 5, 1, 1000}, {"abc", 5, 0, 1000},
        {"-5", 5, 1, 1000}, {"+3", 5, 0, 3000},
        {"99999999", 9, 1, kMaxTimerPeriodMs}, {"4294968", 8, 0, kMaxTimerPeriodMs},
        {"99999999999999999999999", 24, 0, kMaxTimerPeriodMs},
        {"12345678", 3, 0, 123000},   // never read beyond the field
    };
    for (const Case& c : cases) {
        EXPECT_EQ(scanIntervalMs(c.text, c.capacity, c.minutes), c.ms) << c.text << " " << c.minutes;
    }
}

TEST(Scan, PlaysPresetsInOrderAndWraps) {
    UiRig rig;
    rig.settings().buttonBeeps = 1;
    onMainCommand(rig.program, 1054);
    EXPECT_EQ(rig.take(), (Log{"redraw", "sound beep.wav", "focus 1000", "card tune 3948",
                               "caption 1054 &Stop Scan", "start 1 10000"}));
    EXPECT_EQ(rig.window().scanActive, 1);
    for (int step = 1; step <= 11; ++step) {
        const int preset = step % 10;
        onScanTimer(rig.program);
        EXPECT_EQ(rig.take(), (Log{"redraw", "focus " + std::to_string(1000 + preset), "sound beep.wav",
                                   "card tune " + std::to_string(3948 + 80 * preset)}))
            << step;
        EXPECT_EQ(rig.window().currentPresetIndex, preset);
    }
    onMainCommand(rig.program, 1054);
    EXPECT_EQ(rig.take(), (Log{"stop 1", "redraw", "caption 1054 Preset &Scan"}));
    EXPECT_EQ(rig.window().scanActive, 0);
}

TEST(Scan, PresetPressDuringScanAndBadPosition) {
    UiRig rig;
    onMainCommand(rig.program, 1054);
    onScanTimer(rig.program);
    onScanTimer(rig.program);   // preset 3 played, position 3
    onMainCommand(rig.program, 1006);
    rig.take();
    onScanTimer(rig.program);
    EXPECT_EQ(rig.window().currentPresetIndex, 3);
    rig.window().scanPosition = 57;   // a corrupted position restarts at preset 1
    onScanTimer(rig.program);
    EXPECT_EQ(rig.window().currentPresetIndex, 0);
}

TEST(Scan, ARangeMessageIsNeverStackedAndTheScanMovesOnPastABadPreset) {
    // While the range message is open, ten scan ticks or ten presses of the
    // bad preset 2 arrive; each could open a message of its own.
    const std::string kRangeMessage = "message Frequency out of Range!\n|Error";
    for (unsigned press : {0u, 1001u}) {
        UiRig rig;
        for (int i = 1; i < kPresetCount; ++i) rig.preset(i, "120.0");
        onMainCommand(rig.program, 1054);   // preset 1 plays
        int depth = 0;
        rig.platform.onMessage = [&] {
            if (++depth > 5) return;   // stacking without end, cut short
            for (int k = 0; k < 10; ++k) press ? (void)onMainCommand(rig.program, press) : onScanTimer(rig.program);
        };
        rig.take();
        onScanTimer(rig.program);   // preset 2: out of the band
        const Log log = rig.take();
        EXPECT_EQ(std::count(log.begin(), log.end(), kRangeMessage), 1) << press;
        // The ticks went on past the bad presets, round to preset 1.
        if (press == 0) {
            EXPECT_EQ(std::count(log.begin(), log.end(), "card tune 3948"), 1);
        }
    }

    // Scan pressed again (to stop) while the first preset's message is open.
    UiRig rig;
    rig.preset(0, "120.0");
    rig.platform.onMessage = [&] { onMainCommand(rig.program, 1054); };
    onMainCommand(rig.program, 1054);
    EXPECT_EQ(rig.log, (Log{"redraw", "focus 1000", kRangeMessage, "stop 1", "redraw",
                            "caption 1054 Preset &Scan"}));
    EXPECT_EQ(rig.window().scanActive, 0);
}

TEST(Scan, RefusedWhileOffOrInMemoryModeAndMemoryRefusedWhileScanning) {
    UiRig off;
    off.settings().powerStatus = 0;
    onMainCommand(off.program, 1054);
    EXPECT_TRUE(off.log.empty());

    UiRig memory;
    memory.window().memoryMode = 1;
    onMainCommand(memory.program, 1054);
    EXPECT_TRUE(memory.log.empty());

    UiRig scanning;
    scanning.settings().buttonBeeps = 1;
    scanning.window().scanActive = 1;
    onMainCommand(scanning.program, 1030);
    EXPECT_TRUE(scanning.log.empty());
    EXPECT_EQ(scanning.window().memoryMode, 0);
}

TEST(Memory, StoreThenTimeout) {
    UiRig rig;
    rig.settings().powerStatus = 0;   // memory works with the radio off too
    std::strcpy(rig.window().currentFrequency, "099.9");
    onMainCommand(rig.program, 1030);
    EXPECT_EQ(rig.take(), (Log{"redraw", "start 2 5000", "focus 1030"}));
    EXPECT_EQ(rig.window().memoryMode, 1);

    onMainCommand(rig.program, 1003);
    EXPECT_EQ(rig.take(), Log{"redraw"});   // nothing tuned, no focus, no tray
    EXPECT_STREQ(rig.settings().presets.slot[3].frequency, "099.9");
    EXPECT_STREQ(rig.settings().presets.slot[3].description, "Station 4");
    EXPECT_EQ(rig.window().currentPresetIndex, 3);
    EXPECT_EQ(rig.window().memoryMode, 0);
    EXPECT_EQ(rig.settings().powerStatus, 0);

    onMemoryTimer(rig.program);
    EXPECT_EQ(rig.take(), (Log{"stop 2", "redraw"}));
    onMainCommand(rig.program, 1001);   // after the timeout a press tunes again
    EXPECT_EQ(rig.take(), (Log{"redraw", "card tune 4028", "focus 1001"}));
}

TEST(Memory, TimeoutEndsModeAndRightClickCancelsBoth) {
    UiRig rig;
    onMainCommand(rig.program, 1030);
    onMemoryTimer(rig.program);
    EXPECT_EQ(rig.window().memoryMode, 0);

    rig.window().memoryMode = 1;
    rig.take();
    cancelScanAndMemory(rig.program);
    EXPECT_EQ(rig.take(), (Log{"stop 2", "redraw"}));
    onMainCommand(rig.program, 1054);
    rig.take();
    cancelScanAndMemory(rig.program);
    EXPECT_EQ(rig.take(), (Log{"stop 1", "caption 1054 Preset &Scan", "redraw"}));
    EXPECT_EQ(rig.window().scanActive, 0);
    cancelScanAndMemory(rig.program);
    EXPECT_TRUE(rig.log.empty());
    EXPECT_STREQ(rig.window().currentFrequency, "088.0");
}

}  // namespace

// The tray icon's mouse messages (power toggle, popup menu) and the contents
// of the popup menu.
#include <cstdio>
#include "radio/window_ops.h"
#include "ui/tray.h"

void trayPowerToggle(Program& program) {
    RadioSettings& s = program.settings;
    if (s.powerStatus != 0) {
        // Off keeps currentFrequency as the last station.
        switchRadioOff(program, SwitchOffBy::trayClick);
        return;
    }
    // On tunes the last station; the panel no longer shows a Jump's frequency.
    program.window.jumpDisplayPending = 0;
    playButtonBeep(program);
    redrawDisplay(program);
    tuneStation(program, s.lastStation());
    s.powerStatus = 1;
    updateTrayIcon(program, TrayAction::update);
}

void onTrayButton(Program& program, TrayButton button) {
    // Windows NT 3.x has no notification area, so there is no icon whose
    // clicks this could be; a stray message from elsewhere must not switch
    // the radio off behind the user's back.
    if (program.window.noTrayMode != 0) return;
    if (button == TrayButton::leftDown) {
        trayPowerToggle(program);
    } else if (button == TrayButton::rightDown) {
        program.platform->bringMainWindowToForeground();
        TrayMenuModel menu;
        buildTrayMenuModel(program, menu);
        program.platform->showTrayMenu(menu);
    }
}

void buildTrayMenuModel(const Program& program, TrayMenuModel& model) {
    for (int i = 0; i < kPresetCount; ++i) {
        std::snprintf(model.presetText[i], kTrayMenuTextSize, "(%d) [%.9s]", i + 1,
                      program.settings.presets.slot[i].frequency);
    }
    const bool scanning = program.window.scanActive == 1;
    model.startScanEnabled = !scanning;
    model.stopScanEnabled = scanning;
}

// The tray icon's mouse messages (power toggle, popup menu) and the contents
// of the popup menu.
#include <cstdio>
#include <cstring>
#include "card/port_protocol.h"
#include "ui/main_window.h"
#include "ui/tray.h"

void trayPowerToggle(Program& program) {
    RadioSettings& s = program.settings;
    MainWindowState& w = program.window;
    // The station changes here (off keeps currentFrequency as the last station,
    // on tunes the last station), so a Jump's frequency is no longer shown.
    w.jumpDisplayPending = 0;
    if (s.powerStatus != 0) {
        redrawDisplay(program);
        std::snprintf(s.lastStation(), kFrequencyTextSize, "%.9s", w.currentFrequency);
        playButtonBeep(program);
        powerOffCard(*program.port, s.ioPort);
        s.powerStatus = 0;
    } else {
        playButtonBeep(program);
        redrawDisplay(program);
        tuneToFrequency(*program.port, s.ioPort, s.lastStation(), *program.platform);
        s.powerStatus = 1;
    }
    if (w.noTrayMode == 0) updateTrayIcon(program, kTrayUpdate);
}

void onTrayCallback(Program& program, unsigned mouseMessage) {
    // Windows NT 3.x has no notification area, so there is no icon whose
    // clicks this could be; a stray 1224 from elsewhere must not switch the
    // radio off behind the user's back.
    if (program.window.noTrayMode != 0) return;
    if (mouseMessage == kTrayLeftButtonDown) {
        trayPowerToggle(program);
    } else if (mouseMessage == kTrayRightButtonDown) {
        program.platform->bringMainWindowToForeground();
        program.platform->showTrayMenu();
    }
    // Moves, releases and double clicks are ignored, so a double click toggles once.
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

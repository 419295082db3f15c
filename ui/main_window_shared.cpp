// The operations that every feature of the main window uses: the button beep,
// the display redraw and the tray icon update.
#include <cstdio>
#include "ui/main_window.h"

void playButtonBeep(Program& program) {
    if (program.settings.buttonBeeps != 0) program.platform->playSoundFile("beep.wav");
}

void redrawDisplay(Program& program) { program.platform->redrawDisplay(); }

void updateTrayIcon(Program& program, TrayAction action) {
    const bool on = program.settings.powerStatus != 0;
    char tip[24];
    if (on) {
        std::snprintf(tip, sizeof tip, "FM %s", program.window.currentFrequency);
    } else {
        std::snprintf(tip, sizeof tip, "%s", "Radio is OFF");
    }
    if (program.window.noTrayMode == 0) program.platform->shellNotifyIcon(action, on, tip);
}

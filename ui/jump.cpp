// The Jump dialog's acceptance test and the Jump flow that makes the typed
// frequency current.
#include <cstring>
#include "card/frequency.h"
#include "card/port_protocol.h"
#include "ui/jump.h"
#include "ui/main_window.h"

bool acceptJumpText(Program& program, const char* fieldText) {
    MainWindowState& w = program.window;
    std::size_t n = 0;
    while (n < static_cast<std::size_t>(kJumpFieldLength) && fieldText[n] != '\0') {
        w.jumpText[n] = fieldText[n];
        ++n;
    }
    w.jumpText[n] = '\0';
    double x = 0.0;   // no number reads as 0.0 and is refused
    readFrequencyValue(w.jumpText, &x);
    if (!(x >= 87.5 && x <= 108.0)) return false;
    w.jumpAccepted = 1;
    return true;
}

void cancelJump(Program& program) {
    // Cancel changes no station, so a Jump's frequency still on the display stays.
    program.window.jumpAccepted = 0;
}

void runJumpFlow(Program& program) {
    program.window.jumpAccepted = 0;
    program.platform->runDialog(kJumpDialog);
    if (program.window.jumpAccepted == 1) applyJump(program);
}

void applyJump(Program& program) {
    RadioSettings& s = program.settings;
    MainWindowState& w = program.window;
    w.jumpAccepted = 0;
    std::memcpy(w.currentFrequency, w.jumpText, kFrequencyTextSize);
    w.currentFrequency[kFrequencyTextSize - 1] = '\0';
    normalizeFrequencyText(w.jumpText, kFrequencyTextSize);
    w.currentPresetIndex = matchPresetIndex(s, w.jumpText);
    // The display shows currentFrequency until a command changes the station:
    // the last station is not the Jump's, so record 10 would show a stale value.
    w.jumpDisplayPending = 1;
    // Like a preset press, a Jump switches the radio on, so the lamp and the
    // tray icon never say off while the card plays.
    const bool switchedOn = s.powerStatus == 0;
    if (switchedOn) s.powerStatus = 1;
    redrawDisplay(program);
    tuneToFrequency(*program.port, s.ioPort, w.currentFrequency, *program.platform);
    if (switchedOn && s.trayStatus != 0 && w.noTrayMode == 0) updateTrayIcon(program, kTrayUpdate);
}

// The Jump dialog's acceptance test and the Jump flow that makes the typed
// frequency current.
#include "card/frequency.h"
#include "radio/window_ops.h"
#include "ui/jump.h"

DialogVerdict acceptJumpText(const char* fieldText, char (&accepted)[kJumpTextSize]) {
    std::size_t n = 0;
    while (n < static_cast<std::size_t>(kJumpFieldLength) && fieldText[n] != '\0') {
        accepted[n] = fieldText[n];
        ++n;
    }
    accepted[n] = '\0';
    double x = 0.0;   // no number reads as 0.0 and is refused
    readFrequencyValue(accepted, &x);
    if (!(x >= 87.5 && x <= 108.0)) return {false, kInvalidJumpText, kInvalidJumpTitle};
    return {true, nullptr, nullptr};
}

void runJumpFlow(Program& program) {
    char accepted[kJumpTextSize];
    if (program.platform->runJumpDialog(accepted)) applyJump(program, accepted);
}

void applyJump(Program& program, const char* jumpText) {
    RadioSettings& s = program.settings;
    MainWindowState& w = program.window;
    char normalized[kFrequencyTextSize];
    copyFrequencyText(normalized, jumpText);
    normalizeFrequencyText(normalized, kFrequencyTextSize);
    // The display shows currentFrequency until a command changes the station:
    // the last station is not the Jump's, so record 10 would show a stale value.
    makeStationCurrent(program, jumpText, matchPresetIndex(s, normalized), JumpDisplay::keep);
    w.jumpDisplayPending = 1;
    // Like a preset press, a Jump switches the radio on, so the lamp and the
    // tray icon never say off while the card plays.
    const bool switchedOn = s.powerStatus == 0;
    if (switchedOn) s.powerStatus = 1;
    redrawDisplay(program);
    tuneStation(program, w.currentFrequency);
    if (switchedOn && s.trayStatus != 0 && w.noTrayMode == 0) updateTrayIcon(program, TrayAction::update);
}

// The Jump dialog's acceptance test and the Jump flow that makes the typed
// frequency current.
#include <cstdlib>
#include <cstring>
#include "card/frequency.h"
#include "card/port_protocol.h"
#include "ui/jump.h"
#include "ui/main_window.h"

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The standard decimal conversion: leading blanks, an optional sign, digits
// with an optional point and exponent; reading stops at the first character
// that cannot continue the number, and no number gives 0.0. Only that decimal
// prefix reaches strtod, so no platform reads hexadecimal, "inf" or "nan".
double readDecimal(const char* text) {
    char number[kFrequencyTextSize + 4];
    std::size_t n = 0;
    const char* p = text;
    while (*p == ' ' || *p == '\t' || *p == '\n' || *p == '\r' || *p == '\f' || *p == '\v') ++p;
    auto take = [&](char c) {
        if (n + 1 < sizeof number) number[n++] = c;
    };
    if (*p == '+' || *p == '-') take(*p++);
    bool digits = false;
    while (isDigit(*p)) { take(*p++); digits = true; }
    if (*p == '.') {
        take(*p++);
        while (isDigit(*p)) { take(*p++); digits = true; }
    }
    if (!digits) return 0.0;
    if (*p == 'e' || *p == 'E') {
        const char* q = p + 1;
        if (*q == '+' || *q == '-') ++q;
        if (isDigit(*q)) {
            while (p < q) take(*p++);
            while (isDigit(*p)) take(*p++);
        }
    }
    number[n] = '\0';
    return std::strtod(number, nullptr);
}

}  // namespace

bool acceptJumpText(Program& program, const char* fieldText) {
    MainWindowState& w = program.window;
    std::size_t n = 0;
    while (n < static_cast<std::size_t>(kJumpFieldLength) && fieldText[n] != '\0') {
        w.jumpText[n] = fieldText[n];
        ++n;
    }
    w.jumpText[n] = '\0';
    const double x = readDecimal(w.jumpText);
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
    tuneToFrequency(*program.port, s, w.currentFrequency, *program.platform);
    if (switchedOn && s.trayStatus != 0 && w.noTrayMode == 0) updateTrayIcon(program, kTrayUpdate);
}

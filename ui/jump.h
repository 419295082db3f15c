// The Jump dialog's decisions and the Jump flow that applies them, plus the
// About dialog's texts. The Win32 procedures call these for every decision.
#pragma once
#include "common/field_text.h"
#include "radio/program.h"

constexpr int kJumpFieldLength = 8;           // only the first 8 characters are read
constexpr const char* kInvalidJumpText = "Invalid FM Frequency!";
constexpr const char* kInvalidJumpTitle = "Error";

constexpr const char* kAboutSystemText = "Windows NT";

// OK (1), Enter, Cancel/Escape/close box (2): the whole command word must match.
constexpr unsigned kDialogOk = 1;
constexpr unsigned kDialogCancel = 2;
inline bool aboutDialogCloses(unsigned commandWord) {
    return commandWord == kDialogOk || commandWord == kDialogCancel;
}

// OK in the Jump dialog: keeps the first 8 characters of the field in
// `accepted` and accepts them when they read as a number in 87.5-108.0 (both
// included). A refused OK keeps the dialog open with kInvalidJumpText.
DialogVerdict acceptJumpText(const char* fieldText, char (&accepted)[kJumpTextSize]);

// Runs the Jump dialog and, when it was accepted, applies the frequency.
void runJumpFlow(Program& program);
// Makes the Jump's text the current frequency: preset match, display, tuning.
// A Jump while the radio is off switches it on.
void applyJump(Program& program, const char* jumpText);

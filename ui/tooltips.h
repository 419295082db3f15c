// The main window's tooltips: which buttons have one, in the order they are
// added, and the text each shows at the moment it is asked for.
#pragma once
#include <cstddef>
#include "radio/program.h"

constexpr int kTooltipCount = 25;
// Control ids of the tools in the order they are added and matched.
extern const int kTooltipControls[kTooltipCount];

constexpr std::size_t kTooltipTextSize = 80;   // the notification's text buffer

// Writes the tip of `controlId` into out (cut to capacity) and returns true;
// returns false and leaves out untouched for a control without a tip.
bool tooltipTextFor(const Program& program, int controlId, char* out, std::size_t capacity);

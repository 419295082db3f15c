// Tooltips as a user sees them: the pointer rests on a spot, and the tip
// that the process shows there is read.
#pragma once
#include <windows.h>

#include <string>

#include "test.h"

namespace e2e {

const char* const kTooltipClass = "tooltips_class32";

// The visible tooltip window of a process, or nullptr.
HWND visibleTooltipOf(DWORD processId);
// The number of tools of the process's (one) tooltip control; -1 without one.
long toolCountOf(DWORD processId);
// Rests the pointer at a screen point, coming from beside it so the window
// below sees a movement, and returns the text of the process's tip once it
// equals expected, otherwise the last text seen ("" when no tip came up)
// after a few seconds.
std::string tipAt(DWORD processId, POINT at, const std::string& expected);
// The tip at a point, or over the middle of a control of a window, is the
// text; the pointer is parked again afterwards.
void checkTipAt(DWORD processId, POINT at, const std::string& expected, const char* what, Where where);
void checkTipOver(HWND window, int controlId, const std::string& expected, Where where);
// No tip comes up within a second of the pointer resting at the point.
void checkNoTipAt(DWORD processId, POINT at, Where where);

}  // namespace e2e

#define CHECK_TIP(window, controlId, expected) e2e::checkTipOver((window), (controlId), (expected), E2E_HERE)

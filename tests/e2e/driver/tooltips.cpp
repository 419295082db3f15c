// Tooltips read under the real pointer; see tooltips.h.
#include "tooltips.h"

#include <commctrl.h>

#include "dialogs.h"
#include "screen.h"

namespace e2e {

HWND visibleTooltipOf(DWORD processId) { return waitForWindow(processId, ofClass(kTooltipClass), 0); }

long toolCountOf(DWORD processId) {
    HWND tooltip = waitForWindow(processId, ofClass(kTooltipClass).hiddenToo(), 0);
    return tooltip ? static_cast<long>(SendMessageA(tooltip, TTM_GETTOOLCOUNT, 0, 0)) : -1;
}

// Away first, so that the tooltip control sees the pointer come in.
static void restAt(DWORD processId, POINT at) {
    parkPointer();
    waitUntil([&]() { return visibleTooltipOf(processId) == nullptr; }, 2000);
    movePointer(at.x - 3, at.y - 1);
    movePointer(at.x, at.y);
}

std::string tipAt(DWORD processId, POINT at, const std::string& expected) {
    restAt(processId, at);
    std::string last;
    waitUntil([&]() {
        HWND tip = visibleTooltipOf(processId);
        if (!tip) return false;
        last = windowText(tip);
        return last == expected;
    }, 4000, 50);
    return last;
}

void checkTipAt(DWORD processId, POINT at, const std::string& expected, const char* what, Where where) {
    checkEqual(tipAt(processId, at, expected), expected, what, where);
    parkPointer();
}

void checkTipOver(HWND window, int controlId, const std::string& expected, Where where) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    HWND control = GetDlgItem(window, controlId);
    if (!check(control != nullptr, "control " + std::to_string(controlId) + " exists", where)) return;
    checkTipAt(processId, centreOf(control), expected, ("tip over " + std::to_string(controlId)).c_str(), where);
}

void checkNoTipAt(DWORD processId, POINT at, Where where) {
    restAt(processId, at);
    Sleep(1000);
    check(visibleTooltipOf(processId) == nullptr, "no tip comes up", where);
    parkPointer();
}

}  // namespace e2e

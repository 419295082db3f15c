// Win32 side of the dialog helpers; see dialog_driver.h. Messages that carry
// no pointers are sent straight to the other process's controls; texts go by
// WM_SETTEXT / WM_GETTEXT, which the system carries across processes.
#include "dialog_driver.h"

#include <cstdlib>

namespace e2e {

namespace {

// A message to a control of another process, answered within five seconds.
bool sendToControl(HWND dialog, int controlId, UINT message, WPARAM wParam, LPARAM lParam,
                   LRESULT* answer = nullptr) {
    HWND control = GetDlgItem(dialog, controlId);
    if (!control) return false;
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(control, message, wParam, lParam, SMTO_NORMAL, 5000, &result)) return false;
    if (answer) *answer = static_cast<LRESULT>(result);
    return true;
}

}  // namespace

bool isChecked(HWND dialog, int controlId) {
    LRESULT state = BST_UNCHECKED;
    return sendToControl(dialog, controlId, BM_GETCHECK, 0, 0, &state) && state == BST_CHECKED;
}

bool isEnabled(HWND dialog, int controlId) {
    HWND control = GetDlgItem(dialog, controlId);
    return control && IsWindowEnabled(control);
}

bool pressButton(HWND dialog, int controlId) { return sendToControl(dialog, controlId, BM_CLICK, 0, 0); }

bool setChecked(HWND dialog, int controlId, bool checked) {
    if (isChecked(dialog, controlId) != checked) pressButton(dialog, controlId);
    return isChecked(dialog, controlId) == checked;
}

bool setControlText(HWND dialog, int controlId, const std::string& text) {
    LRESULT ok = FALSE;
    return sendToControl(dialog, controlId, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), &ok) && ok;
}

int listSelection(HWND dialog, int controlId) {
    LRESULT index = LB_ERR;
    if (!sendToControl(dialog, controlId, LB_GETCURSEL, 0, 0, &index)) return -2;
    return static_cast<int>(index);
}

bool selectListItem(HWND dialog, int controlId, int index) {
    LRESULT result = LB_ERR;
    return sendToControl(dialog, controlId, LB_SETCURSEL, index, 0, &result) && result == index;
}

bool isListItemSelected(HWND dialog, int controlId, int index) {
    LRESULT selected = 0;
    return sendToControl(dialog, controlId, LB_GETSEL, index, 0, &selected) && selected > 0;
}

bool selectListItems(HWND dialog, int controlId, const int* indices, int count) {
    LRESULT result = LB_ERR;
    if (!sendToControl(dialog, controlId, LB_SETSEL, FALSE, -1, &result) || result == LB_ERR) return false;
    for (int i = 0; i < count; ++i) {
        if (!sendToControl(dialog, controlId, LB_SETSEL, TRUE, indices[i], &result) || result == LB_ERR)
            return false;
    }
    return true;
}

HWND openDialog(HWND mainWindow, int commandId, DWORD processId, const char* caption, int timeoutMs) {
    postClick(mainWindow, commandId);
    HWND found = nullptr;
    waitUntil([&]() {
        for (HWND w : topWindowsOf(processId, "#32770")) {
            if (IsWindowVisible(w) && windowText(w) == caption) {
                found = w;
                return true;
            }
        }
        return false;
    }, timeoutMs);
    // The dialog fills its controls while it is created; let that finish.
    if (found) Sleep(100);
    return found;
}

bool waitForWindowGone(HWND window, int timeoutMs) {
    return waitUntil([&]() { return !IsWindow(window) || !IsWindowVisible(window); }, timeoutMs);
}

bool waitForMessageBox(DWORD processId, HWND besides, int timeoutMs, DialogSeen& seen) {
    seen = DialogSeen();
    HWND box = nullptr;
    waitUntil([&]() {
        for (HWND w : topWindowsOf(processId, "#32770")) {
            if (w != besides && IsWindowVisible(w)) {
                box = w;
                return true;
            }
        }
        return false;
    }, timeoutMs);
    if (!box) return false;
    readDialog(box, seen);
    return true;
}

bool isCentredOnScreen(HWND window) {
    RECT r;
    if (!GetWindowRect(window, &r)) return false;
    int x = (GetSystemMetrics(SM_CXSCREEN) - (r.right - r.left)) / 2;
    int y = (GetSystemMetrics(SM_CYSCREEN) - (r.bottom - r.top)) / 2;
    return std::abs(r.left - x) <= 1 && std::abs(r.top - y) <= 1;
}

}  // namespace e2e

// Windows and dialogs of another process; see dialogs.h. Messages that carry
// no pointers are sent straight to the other process's controls; texts go by
// WM_SETTEXT / WM_GETTEXT, which the system carries across processes.
#include "dialogs.h"

#include <cstdlib>
#include <cstring>

#include "screen.h"

namespace e2e {

namespace {

struct WindowSearch {
    DWORD processId;
    const char* className;
    std::vector<HWND> found;
};

BOOL CALLBACK collectWindow(HWND window, LPARAM param) {
    WindowSearch* search = reinterpret_cast<WindowSearch*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid != search->processId) return TRUE;
    if (search->className && className(window) != search->className) return TRUE;
    search->found.push_back(window);
    return TRUE;
}

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

std::vector<HWND> topWindowsOf(DWORD processId, const char* wantedClass) {
    WindowSearch search{processId, wantedClass, {}};
    EnumWindows(collectWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::vector<HWND> windowsOf(DWORD processId, const Find& find) {
    std::vector<HWND> found;
    for (HWND w : topWindowsOf(processId, find.kind)) {
        if (find.shownOnly && !IsWindowVisible(w)) continue;
        if (find.title && windowText(w) != find.title) continue;
        if (find.ownerWanted && GetWindow(w, GW_OWNER) != find.owner) continue;
        if (w == find.besides) continue;
        found.push_back(w);
    }
    return found;
}

HWND waitForWindow(DWORD processId, const Find& find, int timeoutMs) {
    HWND found = nullptr;
    waitUntil([&]() {
        std::vector<HWND> windows = windowsOf(processId, find);
        found = windows.empty() ? nullptr : windows.back();
        return found != nullptr;
    }, timeoutMs);
    return found;
}

bool waitForNoWindow(DWORD processId, const Find& find, int timeoutMs) {
    return waitUntil([&]() { return windowsOf(processId, find).empty(); }, timeoutMs);
}

bool waitForWindowGone(HWND window, int timeoutMs) {
    return waitUntil([&]() { return !IsWindow(window) || !IsWindowVisible(window); }, timeoutMs);
}

std::string windowText(HWND window) {
    char text[512] = "";
    DWORD_PTR length = 0;
    // WM_GETTEXT with a timeout: a busy program must not hang the driver.
    if (!SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                             SMTO_ABORTIFHUNG, 5000, &length))
        return "<no answer>";
    return std::string(text, length < sizeof text ? length : sizeof text - 1);
}

std::string className(HWND window) {
    char name[128] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string controlText(HWND dialog, int controlId) {
    HWND control = GetDlgItem(dialog, controlId);
    if (!control) return "<no control>";
    return windowText(control);
}

HWND focusOf(HWND window) {
    GUITHREADINFO info;
    std::memset(&info, 0, sizeof info);
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
    return info.hwndFocus;
}

bool isCentredOnScreen(HWND window) {
    RECT r;
    if (!GetWindowRect(window, &r)) return false;
    int x = (GetSystemMetrics(SM_CXSCREEN) - (r.right - r.left)) / 2;
    int y = (GetSystemMetrics(SM_CYSCREEN) - (r.bottom - r.top)) / 2;
    return std::abs(r.left - x) <= 1 && std::abs(r.top - y) <= 1;
}

bool clickControl(HWND dialog, int controlId, int timeoutMs) {
    DWORD_PTR result = 0;
    HWND control = GetDlgItem(dialog, controlId);
    return SendMessageTimeoutA(dialog, WM_COMMAND, MAKEWPARAM(controlId, BN_CLICKED),
                               reinterpret_cast<LPARAM>(control), SMTO_NORMAL, timeoutMs, &result) != 0;
}

void postClick(HWND dialog, int controlId) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(controlId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, controlId)));
}

void postKey(HWND window, int virtualKey) {
    LPARAM scan = static_cast<LPARAM>(MapVirtualKeyA(virtualKey, 0)) << 16;
    PostMessageA(window, WM_KEYDOWN, virtualKey, 1 | scan);
    PostMessageA(window, WM_KEYUP, virtualKey, 1 | scan | 0xC0000000);
}

const char* closeWayName(CloseWay way) {
    switch (way) {
    case kByOkButton: return "OK button";
    case kByEnter: return "Enter";
    case kByEscape: return "Escape";
    case kByCloseBox: return "close box";
    case kByWmClose: return "WM_CLOSE";
    case kByExitButton: return "Exit button";
    }
    return "?";
}

void closeBy(HWND window, CloseWay way) {
    switch (way) {
    case kByOkButton: postClick(window, IDOK); break;
    case kByEnter: postKey(window, VK_RETURN); break;
    case kByEscape: postKey(window, VK_ESCAPE); break;
    case kByCloseBox: PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0); break;
    case kByWmClose: PostMessageA(window, WM_CLOSE, 0, 0); break;
    case kByExitButton: postClick(window, IDCANCEL); break;
    }
}

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

namespace {
BOOL CALLBACK collectChild(HWND child, LPARAM param) {
    DialogSeen* seen = reinterpret_cast<DialogSeen*>(param);
    std::string kind = className(child);
    std::string text = windowText(child);
    if (kind == "Static" && !text.empty()) seen->texts.push_back(text);
    if (kind == "Button") seen->buttons.push_back(text);
    return TRUE;
}
}  // namespace

DialogSeen readDialog(HWND dialog) {
    DialogSeen seen;
    if (!dialog) return seen;
    // A message box fills its texts while it is created; give it a moment.
    Sleep(100);
    seen.window = dialog;
    seen.title = windowText(dialog);
    EnumChildWindows(dialog, collectChild, reinterpret_cast<LPARAM>(&seen));
    return seen;
}

std::string describe(const DialogSeen& seen) {
    std::string text = visible(seen.title);
    for (const std::string& t : seen.texts) text += " " + visible(t);
    return text;
}

bool checkOkCloses(DWORD processId, HWND dialog, Where where) {
    postClick(dialog, IDOK);
    HWND box = nullptr;
    waitUntil([&]() {
        if (!IsWindow(dialog)) return true;
        box = waitForWindow(processId, ofClass(kDialogClass).besidesWindow(dialog), 0);
        return box != nullptr;
    }, 5000);
    if (box) {
        check(false, "OK was refused: " + describe(readDialog(box)), where);
        pressOk(box);
        waitForWindowGone(box);
        postClick(dialog, IDCANCEL);
        waitForWindowGone(dialog);
        return false;
    }
    return check(!IsWindow(dialog), "OK closes the dialog", where);
}

void checkOkRefused(DWORD processId, HWND dialog, HWND owner, const char* title, const std::string& text,
                    Where where, const char* screenshot) {
    postClick(dialog, IDOK);
    DialogSeen box = readDialog(waitForWindow(processId, ofClass(kDialogClass).besidesWindow(dialog), 5000));
    if (!check(box.window != nullptr, "a message box comes up", where)) return;
    check(GetWindow(box.window, GW_OWNER) == owner,
          owner ? "the message box is owned by the dialog" : "the message box has no owner", where);
    checkEqual(box.title, title, "message box title", where);
    check(box.texts.size() == 1 && box.texts[0] == text,
          "message box text is " + visible(text) + ": " + describe(box), where);
    check(box.buttons.size() == 1 && box.buttons[0] == "OK", "the box has one button, OK", where);
    if (screenshot) {
        Sleep(700);  // the box paints itself after it shows
        takeScreenshot(screenshot);
    }
    pressOk(box.window);
    check(waitForWindowGone(box.window), "the box closes", where);
    Sleep(200);
    check(IsWindow(dialog) && IsWindowVisible(dialog), "the dialog stays open", where);
}

void checkCancelCloses(HWND dialog, Where where) {
    postClick(dialog, IDCANCEL);
    check(waitForWindowGone(dialog), "Cancel closes the dialog", where);
}

}  // namespace e2e

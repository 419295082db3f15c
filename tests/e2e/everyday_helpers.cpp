// Win32 side of the everyday-use helpers; see everyday_helpers.h. Only the
// notification-area lookup knows Wine's own window classes; everything else
// is plain Win32 and would run the same on Windows.
#include "everyday_helpers.h"

#include <shellapi.h>

#include <cstdio>
#include <cstring>

#include "e2e_cleanup.h"
#include "screenshot.h"

using namespace e2e;

namespace everyday {

const char* const kOffLine = "0x20f off";
const char* const kVolumeUpLine = "0x20f volume up";

namespace {

bool isIn(const std::vector<HWND>& list, HWND w) {
    for (HWND x : list) {
        if (x == w) return true;
    }
    return false;
}

std::vector<HWND> visibleWindowsOf(DWORD processId, const char* kind) {
    std::vector<HWND> found;
    for (HWND w : topWindowsOf(processId, kind)) {
        if (IsWindowVisible(w)) found.push_back(w);
    }
    return found;
}

}  // namespace

bool startInTray(Tunrix& t, const std::string& ini, Where where) {
    if (!startTunrix(t, ini, false, where)) return false;
    // The icon is added at the end of the window's initialisation.
    return check(waitUntil([&]() { return trayIconExists(t.window, kTrayIconId); }, 5000),
                 "the shell knows the tray icon", where);
}

bool syncByVolumeUp(Tunrix& t, Where where) {
    const size_t before = cardLogLines(t.dir).size();
    postClick(t.window, kVolumeUp);
    bool seen = waitUntil([&]() {
        std::vector<std::string> lines = cardLogLines(t.dir);
        for (size_t i = before; i < lines.size(); ++i) {
            if (lines[i] == kVolumeUpLine) return true;
        }
        return false;
    }, 5000);
    return check(seen, "the volume-up command posted as a marker reaches the card", where);
}

bool markShown(HWND window, int bitmapId) {
    const int x = bitmapId == kHeart ? 95 : 92;
    return clientShowsBitmap(window, x, 25, tunrixResources(), bitmapId, nullptr);
}

void checkMark(HWND window, int bitmapId, bool shown, Where where) {
    checkPanelImage(window, bitmapId == kHeart ? 95 : 92, 25, bitmapId, shown, bitmapId == kHeart ? "heart" : "PSCAN",
                    where);
}

void checkCaption(HWND window, int controlId, const std::string& expected, Where where) {
    std::string caption;
    waitUntil([&]() { return (caption = controlText(window, controlId)) == expected; }, 2000);
    checkEqual(caption, expected, ("caption of " + std::to_string(controlId)).c_str(), where);
}

// ---- The pointer ---------------------------------------------------------------

void movePointer(int x, int y) {
    SetCursorPos(x, y);
    // Let the window system deliver the move before anything else happens.
    Sleep(60);
}

void parkPointer() { movePointer(1015, 760); }

void clickAt(int x, int y, bool right) {
    movePointer(x, y);
    INPUT in[2];
    std::memset(in, 0, sizeof in);
    in[0].type = in[1].type = INPUT_MOUSE;
    in[0].mi.dwFlags = right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
    in[1].mi.dwFlags = right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
    SendInput(2, in, sizeof in[0]);
}

POINT screenPointOf(HWND window, int clientX, int clientY) {
    POINT p = {clientX, clientY};
    ClientToScreen(window, &p);
    return p;
}

// ---- Tooltips ----------------------------------------------------------------

HWND visibleTooltipOf(DWORD processId) {
    std::vector<HWND> tips = visibleWindowsOf(processId, "tooltips_class32");
    return tips.empty() ? nullptr : tips[0];
}

namespace {
// Rests the pointer at (x, y), coming from a point beside it so the window
// below sees a movement, and waits for a tip of the process with the text.
std::string restAndReadTip(DWORD processId, int x, int y, const std::string& expected) {
    parkPointer();
    waitUntil([&]() { return visibleTooltipOf(processId) == nullptr; }, 2000);
    movePointer(x - 3, y - 1);
    movePointer(x, y);
    std::string last;
    waitUntil([&]() {
        HWND tip = visibleTooltipOf(processId);
        if (!tip) return false;
        last = windowText(tip);
        return last == expected;
    }, 4000, 50);
    return last;
}
}  // namespace

std::string tipOverControl(Tunrix& t, int controlId, const std::string& expected) {
    RECT r;
    GetWindowRect(GetDlgItem(t.window, controlId), &r);
    return restAndReadTip(t.program.processId, (r.left + r.right) / 2, (r.top + r.bottom) / 2, expected);
}

// ---- The notification area under Wine ---------------------------------------------

namespace {
BOOL CALLBACK collectTrayIcon(HWND child, LPARAM param) {
    if (className(child) == "__winex11_tray_icon" && IsWindowVisible(child))
        reinterpret_cast<std::vector<HWND>*>(param)->push_back(child);
    return TRUE;
}
}  // namespace

std::vector<HWND> wineTrayIcons() {
    std::vector<HWND> icons;
    HWND tray = FindWindowA("__winex11_standalone_tray", nullptr);
    if (tray) EnumChildWindows(tray, collectTrayIcon, reinterpret_cast<LPARAM>(&icons));
    return icons;
}

HWND newTrayIcon(const std::vector<HWND>& before) {
    HWND found = nullptr;
    waitUntil([&]() {
        for (HWND w : wineTrayIcons()) {
            if (!isIn(before, w)) found = w;
        }
        return found != nullptr;
    }, 3000);
    return found;
}

const char* colourName(IconColour colour) {
    switch (colour) {
    case kIconGone: return "gone";
    case kIconGreen: return "green";
    case kIconRed: return "red";
    case kIconNeither: return "neither green nor red";
    }
    return "?";
}

IconColour iconColour(HWND icon) {
    if (!IsWindow(icon) || !IsWindowVisible(icon)) return kIconGone;
    RECT r;
    GetWindowRect(icon, &r);
    int green = 0, red = 0;
    for (DWORD p : captureScreen(r)) {
        COLORREF c = RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
        if (isGreen(c)) ++green;
        if (isRed(c)) ++red;
    }
    // The letters FM cover a few dozen pixels of the 16 x 16 picture.
    if (green >= 10 && red == 0) return kIconGreen;
    if (red >= 10 && green == 0) return kIconRed;
    return kIconNeither;
}

IconColour waitForIconColour(HWND icon, IconColour wanted) {
    IconColour seen = kIconGone;
    waitUntil([&]() { return (seen = iconColour(icon)) == wanted; }, 3000, 50);
    return seen;
}

std::string trayTip(HWND icon, const std::string& expected) {
    RECT r;
    GetWindowRect(icon, &r);
    DWORD shell = 0;
    GetWindowThreadProcessId(icon, &shell);
    return restAndReadTip(shell, (r.left + r.right) / 2, (r.top + r.bottom) / 2, expected);
}

// ---- Popup menus -------------------------------------------------------------------

HWND waitForMenu(DWORD processId, int timeoutMs, HWND other) {
    HWND found = nullptr;
    waitUntil([&]() {
        for (HWND w : visibleWindowsOf(processId, "#32768")) {
            if (w != other) found = w;
        }
        return found != nullptr;
    }, timeoutMs);
    return found;
}

bool waitForNoMenu(DWORD processId, int timeoutMs) {
    return waitUntil([&]() { return visibleWindowsOf(processId, "#32768").empty(); }, timeoutMs);
}

void postMenuKeys(HWND menu, const std::vector<int>& keys) {
    for (int key : keys) {
        postKey(menu, key);
        // One key at a time, so a submenu is open before the next key comes.
        Sleep(80);
    }
}

namespace {

struct ReferenceMenu {
    const std::vector<MenuItem>* items;
    POINT at;
};

HMENU buildMenu(const std::vector<MenuItem>& items, UINT& nextId) {
    HMENU menu = CreatePopupMenu();
    for (const MenuItem& item : items) {
        if (!item.text) {
            AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        } else if (!item.sub.empty()) {
            AppendMenuA(menu, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(buildMenu(item.sub, nextId)),
                        item.text);
        } else {
            AppendMenuA(menu, MF_STRING | (item.grey ? MF_GRAYED : 0), nextId++, item.text);
        }
    }
    return menu;
}

DWORD WINAPI referenceMenuThread(LPVOID param) {
    ReferenceMenu* reference = static_cast<ReferenceMenu*>(param);
    static ATOM atom = 0;
    if (!atom) {
        WNDCLASSA wc;
        std::memset(&wc, 0, sizeof wc);
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "EverydayMenuOwner";
        atom = RegisterClassA(&wc);
    }
    HWND owner = CreateWindowExA(0, "EverydayMenuOwner", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    UINT nextId = 100;
    HMENU menu = buildMenu(*reference->items, nextId);
    // TPM_RETURNCMD: nothing chosen here may reach a window as a command.
    TrackPopupMenu(menu, TPM_RIGHTBUTTON | TPM_RETURNCMD, reference->at.x, reference->at.y, 0, owner, nullptr);
    DestroyMenu(menu);
    DestroyWindow(owner);
    return 0;
}

// Compares two windows' pictures on the screen; why says how they differ.
bool samePicture(HWND actual, HWND expected, std::string* why) {
    RECT a, e;
    GetWindowRect(actual, &a);
    GetWindowRect(expected, &e);
    const int w = a.right - a.left, h = a.bottom - a.top;
    if (w != e.right - e.left || h != e.bottom - e.top) {
        char buf[120];
        std::snprintf(buf, sizeof buf, "size %dx%d, expected %ldx%ld", w, h, e.right - e.left, e.bottom - e.top);
        *why = buf;
        return false;
    }
    std::vector<DWORD> pa = captureScreen(a), pe = captureScreen(e);
    for (size_t i = 0; i < pa.size(); ++i) {
        if (pa[i] != pe[i]) {
            char buf[120];
            std::snprintf(buf, sizeof buf, "pixel (%d,%d) is %06lx, expected %06lx", static_cast<int>(i % w),
                          static_cast<int>(i / w), pa[i], pe[i]);
            *why = buf;
            return false;
        }
    }
    return true;
}

void saveWindowPicture(HWND window, const std::string& path) {
    RECT r;
    GetWindowRect(window, &r);
    saveBmp(path, r.right - r.left, r.bottom - r.top, captureScreen(r));
}

}  // namespace

void checkMenuLooksLike(DWORD processId, HWND menu, const std::vector<MenuItem>& items,
                        const std::vector<int>& keys, const char* name, Where where) {
    RECT r;
    GetWindowRect(menu, &r);
    // Beside the program's menu with room for both submenus; nothing of the
    // tests lies there while the main window is hidden.
    ReferenceMenu reference{&items, {r.right + 260, r.top}};
    HANDLE thread = CreateThread(nullptr, 0, referenceMenuThread, &reference, 0, nullptr);
    const DWORD self = GetCurrentProcessId();
    HWND refTop = waitForMenu(self, 5000);
    if (!check(refTop != nullptr, "the reference menu comes up", where)) {
        WaitForSingleObject(thread, 5000);
        CloseHandle(thread);
        return;
    }
    postMenuKeys(refTop, keys);
    postMenuKeys(menu, keys);
    const bool withSub = !keys.empty() && keys.back() == VK_RIGHT;
    HWND refSub = withSub ? waitForMenu(self, 3000, refTop) : nullptr;
    HWND sub = withSub ? waitForMenu(processId, 3000, menu) : nullptr;
    if (withSub) {
        check(refSub != nullptr, "the reference submenu opens", where);
        check(sub != nullptr, std::string(name) + ": the submenu opens", where);
    }
    std::string why;
    bool same = waitUntil([&]() {
        if (!samePicture(menu, refTop, &why)) {
            why = "menu: " + why;
            return false;
        }
        if (sub && refSub && !samePicture(sub, refSub, &why)) {
            why = "submenu: " + why;
            return false;
        }
        return true;
    }, 3000, 100);
    if (!same) {
        // Both pictures beside the work folders, for a look at the difference.
        std::string base = joinPath(option("work"), name);
        saveWindowPicture(menu, base + "-program.bmp");
        saveWindowPicture(refTop, base + "-expected.bmp");
        if (sub && refSub) {
            saveWindowPicture(sub, base + "-program-sub.bmp");
            saveWindowPicture(refSub, base + "-expected-sub.bmp");
        }
        check(false, std::string(name) + " differs from the expected menu (" + why + "); pictures in " + base +
                         "-*.bmp", where);
    }
    // Close the reference: Escape closes one level at a time.
    for (int i = 0; i < 3 && WaitForSingleObject(thread, 0) == WAIT_TIMEOUT; ++i) {
        HWND top = waitForMenu(self, 500);
        if (top) postKey(top, VK_ESCAPE);
        WaitForSingleObject(thread, 500);
    }
    CloseHandle(thread);
}

// ---- Dialogs -------------------------------------------------------------------

HWND waitForOwnedDialog(DWORD processId, HWND owner, int timeoutMs) {
    HWND found = nullptr;
    waitUntil([&]() {
        for (HWND w : visibleWindowsOf(processId, "#32770")) {
            if (GetWindow(w, GW_OWNER) == owner) found = w;
        }
        return found != nullptr;
    }, timeoutMs);
    return found;
}

bool waitForNoOwnedDialog(DWORD processId, HWND owner, int timeoutMs) {
    return waitUntil([&]() {
        for (HWND w : visibleWindowsOf(processId, "#32770")) {
            if (GetWindow(w, GW_OWNER) == owner) return false;
        }
        return true;
    }, timeoutMs);
}

HWND focusOf(HWND window) {
    GUITHREADINFO info;
    std::memset(&info, 0, sizeof info);
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
    return info.hwndFocus;
}

}  // namespace everyday

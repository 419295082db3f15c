// The notification area; see tray.h. Only the lookup of Wine's icon windows
// knows Wine's own window classes.
#include "tray.h"

#include <shellapi.h>

#include <algorithm>
#include <cstring>

#include "dialogs.h"
#include "screen.h"
#include "tooltips.h"

namespace e2e {

bool trayIconExists(HWND window, UINT iconId) {
    NOTIFYICONDATAA data;
    std::memset(&data, 0, sizeof data);
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = window;
    data.uID = iconId;
    data.uFlags = 0;  // change nothing: only asks whether the shell knows the icon
    return Shell_NotifyIconA(NIM_MODIFY, &data) != 0;
}

void checkTrayIconExists(HWND window, UINT iconId, bool exists, Where where) {
    check(waitUntil([&]() { return trayIconExists(window, iconId) == exists; }, 3000),
          exists ? "the shell knows the tray icon" : "the shell knows no tray icon", where);
}

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
            if (std::find(before.begin(), before.end(), w) == before.end()) found = w;
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

void checkIconColour(HWND icon, IconColour wanted, Where where, bool wait) {
    IconColour seen = kIconGone;
    waitUntil([&]() { return (seen = iconColour(icon)) == wanted; }, wait ? 3000 : 0, 50);
    checkEqual(colourName(seen), colourName(wanted), "tray icon colour", where);
}

void checkTrayTip(HWND icon, const std::string& expected, Where where) {
    DWORD shell = 0;
    GetWindowThreadProcessId(icon, &shell);
    checkTipAt(shell, centreOf(icon), expected, "tray tip", where);
}

}  // namespace e2e

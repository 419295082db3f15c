// The notification area: whether the shell knows a program's icon, and under
// Wine the icon as the screen shows it, its colour and its tip.
#pragma once
#include <windows.h>

#include <vector>

#include "test.h"

namespace e2e {

// Whether the shell holds a notification icon of the window with the id.
bool trayIconExists(HWND window, UINT iconId);
// Waits up to three seconds for the icon to be there (or gone).
void checkTrayIconExists(HWND window, UINT iconId, bool exists, Where where);

// Wine shows notification icons in its own tray window, one child window per
// icon; these are the icon windows there now.
std::vector<HWND> wineTrayIcons();
// The icon window that is in now but was not in before, or nullptr.
HWND newTrayIcon(const std::vector<HWND>& before);

enum IconColour { kIconGone, kIconGreen, kIconRed, kIconNeither };
const char* colourName(IconColour colour);
// Colour of the icon's letters as the screen shows it.
IconColour iconColour(HWND icon);
// The icon shows the colour, waiting up to three seconds for it (with no
// wait, it shows it now).
void checkIconColour(HWND icon, IconColour wanted, Where where, bool wait = true);
// Rests the pointer on the icon: the shell's tip is the text.
void checkTrayTip(HWND icon, const std::string& expected, Where where);

}  // namespace e2e

#define CHECK_TRAY_ICON(window, id, exists) e2e::checkTrayIconExists((window), (id), (exists), E2E_HERE)
#define CHECK_ICON_COLOUR(icon, colour) e2e::checkIconColour((icon), (colour), E2E_HERE)
#define CHECK_TRAY_TIP(icon, text) e2e::checkTrayTip((icon), (text), E2E_HERE)

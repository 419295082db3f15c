// Helpers of the everyday-use tests: the tray icon as the shell shows it, the
// popup menu compared with a reference menu, tooltips under the real pointer,
// dialogs owned by a window, the panel marks and the captions.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "app_driver.h"
#include "e2e_test.h"
#include "tunrix_fixture.h"

namespace everyday {

// Control ids of the main window and of the dialogs it opens, besides the
// shared ones of tunrix_fixture.h.
enum { kMemory = 1030, kAbout = 1031, kJump = 1049, kJumpEdit = 1047, kAboutSystem = 1151, kOptionsRunInTray = 1066 };
// The tray callback message.
enum { kTrayMessage = 1224 };

using e2e::Tunrix;

// Starts tunrix with radio.ini holding ini (made CR LF) hidden in the tray,
// and waits for its main window and its icon. A message box that comes up
// instead fails the test with its text.
bool startInTray(Tunrix& t, const std::string& ini, e2e::Where where);

extern const char* const kOffLine;
extern const char* const kVolumeUpLine;

// Posts a harmless command (volume up) behind whatever the test posted before
// and waits until the card has it. Posted messages are handled in order, so
// afterwards everything posted earlier has been handled. The radio must be on.
bool syncByVolumeUp(Tunrix& t, e2e::Where where);

// Whether the mark (heart at (95,25), PSCAN at (92,25)) is on the panel,
// waiting up to two seconds for the wanted state.
void checkMark(HWND window, int bitmapId, bool shown, e2e::Where where);
bool markShown(HWND window, int bitmapId);
// A caption, waiting up to two seconds for the wanted text.
void checkCaption(HWND window, int controlId, const std::string& expected, e2e::Where where);

// ---- The pointer -----------------------------------------------------------

// Moves the pointer as a user would (through the window system, so the
// windows under it get their mouse-move messages).
void movePointer(int x, int y);
// Moves the pointer to a corner where no window of the tests lies.
void parkPointer();
// A real click of the left or right button at a screen point.
void clickAt(int x, int y, bool right);
POINT screenPointOf(HWND window, int clientX, int clientY);

// ---- Tooltips ----------------------------------------------------------------

// The visible tooltip window of a process, or nullptr.
HWND visibleTooltipOf(DWORD processId);
// Rests the pointer on the middle of the control and returns the text of the
// tip that comes up when it equals expected, otherwise the last text seen
// ("" when no tip came up) after a few seconds.
std::string tipOverControl(Tunrix& t, int controlId, const std::string& expected);

// ---- The shell's notification area under Wine --------------------------------

// Wine shows notification icons in its own tray window, one child window per
// icon; these are the icon windows there now.
std::vector<HWND> wineTrayIcons();
// The icon window that is in now but was not in before, or nullptr.
HWND newTrayIcon(const std::vector<HWND>& before);
enum IconColour { kIconGone, kIconGreen, kIconRed, kIconNeither };
const char* colourName(IconColour colour);
// Colour of the icon's letters as the screen shows them.
IconColour iconColour(HWND icon);
// Waits up to three seconds for the colour; returns the last one seen.
IconColour waitForIconColour(HWND icon, IconColour wanted);
// Rests the pointer on the icon and returns the tip the shell shows when it
// equals expected, else the last text seen.
std::string trayTip(HWND icon, const std::string& expected);

// ---- Popup menus ---------------------------------------------------------------

// A visible popup menu window ("#32768") of the process other than `other`.
HWND waitForMenu(DWORD processId, int timeoutMs, HWND other = nullptr);
bool waitForNoMenu(DWORD processId, int timeoutMs);
// Keys posted to a menu window: its tracking loop reads them like typed keys.
void postMenuKeys(HWND menu, const std::vector<int>& keys);

// An item of a reference menu: text nullptr is a separator; an item with
// a submenu lists its items in `sub`.
struct MenuItem {
    const char* text;
    bool grey;
    std::vector<MenuItem> sub;
};
// Shows the reference menu in the driver at screen point (x, y), sends it the
// same keys, and checks that it and the program's menu look alike pixel for
// pixel (the top menu and, when one is open, its submenu). Another process's
// menu handle cannot be read under Wine, so the picture is what is compared:
// a different text, a greyed item or a missing separator all change it.
void checkMenuLooksLike(DWORD processId, HWND menu, const std::vector<MenuItem>& items,
                        const std::vector<int>& keys, const char* name, e2e::Where where);

// ---- Dialogs -------------------------------------------------------------------

// A visible dialog or message box ("#32770") of the process owned by owner.
HWND waitForOwnedDialog(DWORD processId, HWND owner, int timeoutMs);
bool waitForNoOwnedDialog(DWORD processId, HWND owner, int timeoutMs);
// The window with the keyboard focus in the thread that owns `window`.
HWND focusOf(HWND window);

}  // namespace everyday

#define CHECK_MARK(window, id, shown) everyday::checkMark((window), (id), (shown), E2E_HERE)
#define CHECK_CAPTION(window, id, expected) everyday::checkCaption((window), (id), (expected), E2E_HERE)
#define SYNC_BY_VOLUME_UP(t) everyday::syncByVolumeUp((t), E2E_HERE)
#define CHECK_MENU_LOOKS_LIKE(pid, menu, items, keys, name) \
    everyday::checkMenuLooksLike((pid), (menu), (items), (keys), (name), E2E_HERE)

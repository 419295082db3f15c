// Windows and dialogs of another process, worked from outside as a user
// would: finding them, their texts, clicks and keys, the ways to close them,
// check boxes, edits and lists, and the message boxes a dialog answers with.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "test.h"

namespace e2e {

const char* const kDialogClass = "#32770";  // dialogs and message boxes
const char* const kMenuClass = "#32768";    // popup menus

// Which top-level windows of a process a search wants: of a class, shown
// (unless hidden ones count too), with a title, owned by a window, other
// than a window. Built as ofClass(kDialogClass).ownedBy(main).
struct Find {
    const char* kind = nullptr;
    bool shownOnly = true;
    const char* title = nullptr;
    bool ownerWanted = false;
    HWND owner = nullptr;
    HWND besides = nullptr;

    Find hiddenToo() const { Find f = *this; f.shownOnly = false; return f; }
    Find titled(const char* t) const { Find f = *this; f.title = t; return f; }
    Find ownedBy(HWND w) const { Find f = *this; f.ownerWanted = true; f.owner = w; return f; }
    Find besidesWindow(HWND w) const { Find f = *this; f.besides = w; return f; }
};
inline Find ofClass(const char* kind) { Find f; f.kind = kind; return f; }

// Top-level windows of a process, optionally only of one window class.
std::vector<HWND> topWindowsOf(DWORD processId, const char* className = nullptr);
std::vector<HWND> windowsOf(DWORD processId, const Find& find);
// The last window found, waiting up to timeoutMs for one; nullptr if none.
HWND waitForWindow(DWORD processId, const Find& find, int timeoutMs);
bool waitForNoWindow(DWORD processId, const Find& find, int timeoutMs);
// Waits until the window is gone or hidden (a dialog that was closed).
bool waitForWindowGone(HWND window, int timeoutMs = 5000);

std::string windowText(HWND window);
std::string className(HWND window);
std::string controlText(HWND dialog, int controlId);
// The window with the keyboard focus in the thread that owns `window`.
HWND focusOf(HWND window);
// The screen rectangle of the window is centred on the screen (to a pixel).
bool isCentredOnScreen(HWND window);

// A button click as the dialog manager delivers it: WM_COMMAND with code
// BN_CLICKED and the control's handle, sent and waited for (the command's card
// operations have run when it returns). False when the send timed out.
bool clickControl(HWND dialog, int controlId, int timeoutMs = 10000);
// The same, posted: for commands that open a modal box or end the program.
void postClick(HWND dialog, int controlId);
// A key press (down and up) posted to the window, as the keyboard would.
void postKey(HWND window, int virtualKey);

// The ways a user closes a dialog or a window; the Exit button is the
// button with id 2 (IDCANCEL), as Escape and the close box send it.
enum CloseWay { kByOkButton, kByEnter, kByEscape, kByCloseBox, kByWmClose, kByExitButton };
const char* closeWayName(CloseWay way);
void closeBy(HWND window, CloseWay way);
inline void pressOk(HWND dialog) { closeBy(dialog, kByOkButton); }

// Check boxes and radio buttons (BM_GETCHECK); a control that is enabled.
bool isChecked(HWND dialog, int controlId);
bool isEnabled(HWND dialog, int controlId);
// A mouse click on the button (BM_CLICK), waited for: an auto check box
// toggles, an auto radio button is checked and its group unchecked, and the
// dialog gets the click notification. Not for buttons that open a modal box.
bool pressButton(HWND dialog, int controlId);
// Clicks the check box when its state differs from `checked`.
bool setChecked(HWND dialog, int controlId, bool checked);
// Replaces an edit's text (WM_SETTEXT).
bool setControlText(HWND dialog, int controlId, const std::string& text);

// List boxes: the single selection (LB_GETCURSEL, -1 for none), selecting an
// item in a single-selection list, and the items selected in a multiple
// selection list.
int listSelection(HWND dialog, int controlId);
bool selectListItem(HWND dialog, int controlId, int index);
bool isListItemSelected(HWND dialog, int controlId, int index);
// Multiple selection: clears every item, then selects the given ones.
bool selectListItems(HWND dialog, int controlId, const int* indices, int count);

// A message box or dialog as read from outside; window is null when none came.
struct DialogSeen {
    HWND window = nullptr;
    std::string title;
    std::vector<std::string> texts;  // the static texts, in child order
    std::vector<std::string> buttons;
};
// Reads a dialog that has just come up (after a moment in which a message
// box sets its texts).
DialogSeen readDialog(HWND dialog);
// Its title and texts, for a failure message.
std::string describe(const DialogSeen& seen);

// OK of a dialog that must close it. A message box instead is a failure that
// names its texts; the box is answered and the dialog cancelled.
bool checkOkCloses(DWORD processId, HWND dialog, Where where);
// OK of a dialog that must be refused: a message box owned by `owner` (the
// dialog, or nullptr for one without owner) with the title, the text and
// only an OK button; OK closes the box and the dialog stays open.
void checkOkRefused(DWORD processId, HWND dialog, HWND owner, const char* title, const std::string& text,
                    Where where, const char* screenshot = nullptr);
// Cancel that closes the dialog.
void checkCancelCloses(HWND dialog, Where where);

}  // namespace e2e

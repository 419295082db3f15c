// Helpers that work a program's dialog boxes from outside, as a user would:
// check marks, texts of edits, list selections, button clicks, and the
// message boxes a dialog opens over itself.
#pragma once
#include <windows.h>

#include <string>

#include "app_driver.h"

namespace e2e {

// A check box or radio button is checked (BM_GETCHECK).
bool isChecked(HWND dialog, int controlId);
// The control exists and is enabled.
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

// Posts the command that opens a modal dialog and waits for the dialog (a
// visible "#32770" window of the process with that caption).
HWND openDialog(HWND mainWindow, int commandId, DWORD processId, const char* caption, int timeoutMs = 10000);
// Waits until the window is gone (a dialog that was closed).
bool waitForWindowGone(HWND window, int timeoutMs = 5000);

// A message box of the process other than the window `besides` (usually the
// dialog that opened it); fills seen like waitForDialog.
bool waitForMessageBox(DWORD processId, HWND besides, int timeoutMs, DialogSeen& seen);

// The screen rectangle of the window is centred on the screen (to a pixel).
bool isCentredOnScreen(HWND window);

}  // namespace e2e

// What every dialog of the Windows programs shares: centring, and showing the
// message of an OK the dialog's logic refused.
#pragma once
#include <windows.h>
#include "common/field_text.h"

// Moves the window to the centre of the screen (size unchanged) and repaints it.
void centreWindowOnScreen(HWND window);

// The verdict's message, if it has one, in a message box owned by the dialog.
void showVerdict(HWND dialog, const DialogVerdict& verdict);

// Entry functions of tunrix's modal dialogs. Each dialog lives in a file of its
// own; Options, the scheduler and the sleep timer act on the shared records,
// Jump returns the text it accepted.
#pragma once
#include <windows.h>
#include "common/dialog_win32.h"
#include "radio/program.h"
#include "settings/options_dialog_win32.h"
#include "timed/timed_dialogs_win32.h"

bool runJumpDialog(HINSTANCE instance, HWND owner, char (&accepted)[kJumpTextSize]);  // 137
void runAboutDialog(HINSTANCE instance, HWND owner);                                   // 138

// Entry functions of tunrix's modal dialogs and the window helpers they share.
// Each dialog lives in a file of its own; its procedure acts on the Program
// record directly, as the main window's logic expects after the dialog returns.
#pragma once
#include <windows.h>
#include "ui/program.h"

// Moves the window to the centre of the screen (size unchanged) and repaints it.
void centreWindowOnScreen(HWND window);

// Each runs its dialog modally, owned by `owner`, and returns when it closes.
void runOptionsDialog(HINSTANCE instance, HWND owner, Program& program);     // 170
void runJumpDialog(HINSTANCE instance, HWND owner, Program& program);        // 137
void runAboutDialog(HINSTANCE instance, HWND owner, Program& program);       // 138
void runSchedulerDialog(HINSTANCE instance, HWND owner, Program& program);   // 200
void runSleepTimerDialog(HINSTANCE instance, HWND owner, Program& program);  // 202

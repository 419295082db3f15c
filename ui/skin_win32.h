// What the Win32 files of tunrix share: the process-wide Program record, the
// module and main-window handles, and the skin's own operations (painting,
// tray, tooltips, the main dialog procedure).
#pragma once
#include <windows.h>
#include <shellapi.h>
#include "radio/program.h"
#include "resources/resource.h"

extern Program gProgram;
extern HINSTANCE gInstance;
extern HWND gMainWindow;

// The card the program drives: the real ports or the virtual card, chosen
// when the executable is built.
PortIo& programPort();

// The platform interface of the main window's logic, answered with Win32 calls.
MainWindowPlatform& win32Platform();

INT_PTR CALLBACK mainDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Display panel.
void loadDisplayImages();
void releaseDisplayImages();
void paintDisplay(HWND window);

// Tray icon and its popup menu.
void prepareTrayIcons();
void shellNotifyIcon(HWND window, TrayAction action, bool iconOn, const char* tip);
void showTrayMenu(HWND window, const TrayMenuModel& model, int x, int y);

// System functions bound on first use (late_binding_win32.cpp): SHELL32 and
// WINMM load only when the tray or a beep first needs them, and a Windows
// without a function gets the failure answer instead of refusing to load.
BOOL lateShellNotifyIcon(DWORD message, NOTIFYICONDATAA* data);
HICON lateLoadIcon16(HINSTANCE instance, int iconId);
BOOL latePlaySound(const char* sound, DWORD flags);

// Tooltips of the main window's buttons.
void createTooltips(HWND window);
void answerTooltipRequest(HWND window, LPARAM notification);
void relayMouseMove(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

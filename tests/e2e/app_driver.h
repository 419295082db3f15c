// Helpers that drive a Win32 program from outside as a user would: working
// folders, starting and ending the process, finding its windows, clicking
// controls, reading texts and pixels, answering message boxes, reading files.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "e2e_test.h"

namespace e2e {

struct RunningProgram {
    HANDLE process = nullptr;
    DWORD processId = 0;
    std::string workDir;
};

// "\n" line ends become "\r\n" (text files as a Windows program writes them).
std::string withCrLf(const std::string& text);

// A fresh, empty folder under the driver's work root; removed by the script.
std::string makeWorkDir();
// A fresh folder holding radio.ini with the given text (line ends made CR LF).
std::string makeWorkDirWithIni(const std::string& iniText);

std::string joinPath(const std::string& dir, const char* name);
bool fileExists(const std::string& path);
std::string readFileBytes(const std::string& path);
void writeFileBytes(const std::string& path, const std::string& bytes);
bool copyFileTo(const std::string& from, const std::string& toDir, const char* name);

// Starts exe with workDir as its working folder; the runner ends it after the
// test if it still runs (unless endAfterTest is false: a program that must
// outlive the test is ended by whoever keeps it). Standard output goes to
// stdoutPath when given.
bool startProgram(RunningProgram& program, const std::string& exe, const std::string& workDir,
                  const std::string& stdoutPath = "", bool endAfterTest = true);
// Exit code, or STILL_ACTIVE when the process has not ended within timeoutMs.
DWORD waitForExit(RunningProgram& program, int timeoutMs);
void endProgram(RunningProgram& program);

// Polls until done() is true or timeoutMs has passed; returns done().
bool waitUntil(const std::function<bool()>& done, int timeoutMs, int stepMs = 20);

// Top-level windows of a process, optionally only of one window class.
std::vector<HWND> topWindowsOf(DWORD processId, const char* className = nullptr);
// The first top-level window of the class that the process shows (visible),
// or nullptr after timeoutMs.
HWND waitForVisibleWindow(DWORD processId, const char* className, int timeoutMs);
// Like waitForVisibleWindow, but the window may be hidden.
HWND waitForWindow(DWORD processId, const char* className, int timeoutMs);

std::string windowText(HWND window);
std::string className(HWND window);
std::string controlText(HWND dialog, int controlId);

// A button click as the dialog manager delivers it: WM_COMMAND with code
// BN_CLICKED and the control's handle, sent and waited for (the command's card
// operations have run when it returns). False when the send timed out.
bool clickControl(HWND dialog, int controlId, int timeoutMs = 10000);
// The same, posted: for commands that open a modal box or end the program.
void postClick(HWND dialog, int controlId);
// A key press (down and up) posted to the window, as the keyboard would.
void postKey(HWND window, int virtualKey);
// The close box: WM_SYSCOMMAND SC_CLOSE.
void postCloseBox(HWND window);

// w x h pixels of a device context from (x, y) as 0x00RRGGBB values, row by row.
std::vector<DWORD> grabPixels(HDC source, int x, int y, int w, int h);

// Pixels of the client area (the window must be shown and not covered).
COLORREF clientPixel(HWND window, int x, int y);
bool isGreen(COLORREF c);
bool isRed(COLORREF c);

// A module whose bitmap resources the panel is compared with.
HMODULE loadResourceModule(const std::string& exe);
// True when the client area at (x, y) shows bitmap bitmapId of the module
// pixel for pixel; otherwise why says where it differs.
bool clientShowsBitmap(HWND window, int x, int y, HMODULE module, int bitmapId, std::string* why);

// Checks (waiting up to two seconds for the paint) that the client area shows
// the bitmap at (x, y); a failure names the first differing pixel.
bool checkShowsBitmap(HWND window, int x, int y, HMODULE module, int bitmapId, Where where);
#define CHECK_SHOWS_BITMAP(window, x, y, module, id) \
    e2e::checkShowsBitmap((window), (x), (y), (module), (id), E2E_HERE)

// A message box or dialog of the process (top-level "#32770" window).
struct DialogSeen {
    HWND window = nullptr;
    std::string title;
    std::vector<std::string> texts;  // the static texts, in child order
    std::vector<std::string> buttons;
};
bool waitForDialog(DWORD processId, int timeoutMs, DialogSeen& seen);
// Fills seen from a dialog that has just come up (after a moment in which a
// message box sets its texts).
void readDialog(HWND dialog, DialogSeen& seen);
// Texts of the static controls of a dialog, in child order.
std::vector<std::string> staticTexts(HWND dialog);
// Presses the OK button of a message box or dialog.
void pressOk(HWND dialog);

// Lines of card.log in the folder (CR and LF stripped); none when absent.
std::vector<std::string> cardLogLines(const std::string& workDir);
// Waits until card.log has at least count lines; returns the lines.
std::vector<std::string> waitForCardLog(const std::string& workDir, size_t count, int timeoutMs);

// Whether the shell holds a notification icon of the window with the id.
bool trayIconExists(HWND window, UINT iconId);

}  // namespace e2e

// The main window's dialog procedure and the Win32 answers to the platform
// interface of its logic: every message becomes one call into the core.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <windows.h>
#include <mmsystem.h>   // SND_FILENAME
#include "resources/resource.h"
#include "settings/options.h"
#include "ui/dialogs_win32.h"
#include "ui/main_window.h"
#include "ui/skin_win32.h"
#include "ui/tray.h"

namespace {

struct Win32Platform final : MainWindowPlatform {
    void showMessage(const char* text, const char* title) override {
        MessageBoxA(NULL, text, title, MB_OK);
    }
    void printText(const char* text) override {
        std::fputs(text, stdout);
        std::fflush(stdout);
    }
    // The runtime's exit flushes the C streams (the card log among them).
    void endProcess(int exitCode) override { std::exit(exitCode); }
    bool replaceFile(const char* from, const char* to) override {
        // Windows does not replace a read-only file; Wine does, so the
        // attribute is checked first.
        const DWORD attributes = GetFileAttributesA(to);
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
            errno = EACCES;
            return false;
        }
        // A replace fails while another program has radio.ini open, as another
        // copy of this one does for an instant when it replaces the file too
        // (Wine's replace opens the target): it is tried again for a while.
        for (int attempt = 0; attempt < 20; ++attempt) {
            if (MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING)) return true;
            const DWORD error = GetLastError();
            if (error != ERROR_ACCESS_DENIED && error != ERROR_SHARING_VIOLATION) break;
            Sleep(10);
        }
        return false;
    }
    unsigned long processId() override { return GetCurrentProcessId(); }

    void redrawDisplay() override {
        RECT r = {kDisplayLeft, kDisplayTop, kDisplayRight, kDisplayBottom};
        InvalidateRect(gMainWindow, &r, FALSE);
    }
    void setWindowTitle(const char* title) override { SetWindowTextA(gMainWindow, title); }
    void setButtonCaption(int controlId, const char* caption) override {
        SetDlgItemTextA(gMainWindow, controlId, caption);
    }
    void focusControl(int controlId) override {
        HWND control = GetDlgItem(gMainWindow, controlId);
        // Through the dialog manager, so the default-button look follows the focus.
        if (control != NULL) SendMessageA(gMainWindow, WM_NEXTDLGCTL, (WPARAM)control, TRUE);
    }
    void startTimer(int timerId, uint32_t periodMs) override {
        SetTimer(gMainWindow, (UINT_PTR)timerId, periodMs, NULL);
    }
    void stopTimer(int timerId) override { KillTimer(gMainWindow, (UINT_PTR)timerId); }
    void playSoundFile(const char* fileName) override { latePlaySound(fileName, SND_FILENAME); }
    void showMainWindow() override { ShowWindow(gMainWindow, SW_SHOWNORMAL); }
    void hideMainWindow() override { ShowWindow(gMainWindow, SW_HIDE); }
    void bringMainWindowToForeground() override { SetForegroundWindow(gMainWindow); }
    void destroyMainWindow() override {
        DestroyWindow(gMainWindow);
        gMainWindow = NULL;
    }
    void releaseDisplayImages() override { ::releaseDisplayImages(); }
    void shellNotifyIcon(TrayAction action, bool iconOn, const char* tip) override {
        ::shellNotifyIcon(gMainWindow, action, iconOn, tip);
    }
    void runDialog(DialogId dialog) override {
        switch (dialog) {
        case kOptionsDialog: {
            OptionsTarget target{gProgram.settings, gProgram.window.runInTray, gProgram.window.noTrayMode == 0};
            runOptionsDialog(gInstance, gMainWindow, target);
            break;
        }
        case kAboutDialog: runAboutDialog(gInstance, gMainWindow); break;
        case kSchedulerDialog: runSchedulerDialog(gInstance, gMainWindow, gProgram); break;
        case kSleepTimerDialog: runSleepTimerDialog(gInstance, gMainWindow, gProgram); break;
        }
    }
    bool runJumpDialog(char (&accepted)[kJumpTextSize]) override {
        return ::runJumpDialog(gInstance, gMainWindow, accepted);
    }
    void prepareTrayIcons() override { ::prepareTrayIcons(); }
    void createTooltips() override { ::createTooltips(gMainWindow); }
    void showTrayMenu(const TrayMenuModel& menu) override {
        POINT at;
        GetCursorPos(&at);
        ::showTrayMenu(gMainWindow, menu, at.x, at.y);
    }
    LocalTime localTime() override {
        SYSTEMTIME t;
        GetLocalTime(&t);
        LocalTime now;
        now.year = (int16_t)t.wYear;
        now.month = (int16_t)t.wMonth;
        now.dayOfWeek = (int16_t)t.wDayOfWeek;
        now.day = (int16_t)t.wDay;
        now.hour = (int16_t)t.wHour;
        now.minute = (int16_t)t.wMinute;
        now.second = (int16_t)t.wSecond;
        now.milliseconds = (int16_t)t.wMilliseconds;
        return now;
    }
};

Win32Platform platform;

}  // namespace

MainWindowPlatform& win32Platform() { return platform; }

INT_PTR CALLBACK mainDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        // The logic's requests during initialisation already need the handle.
        gMainWindow = window;
        centreWindowOnScreen(window);
        initialiseMainWindow(gProgram);
        return TRUE;   // the dialog manager focuses the first control, "&Power"
    case WM_COMMAND:
        return onMainCommand(gProgram, (unsigned)(wParam & 0xFFFFFFFFu)) ? TRUE : FALSE;
    case WM_TIMER:
        onMainTimer(gProgram, (int)wParam);
        return TRUE;
    case WM_PAINT:
        paintDisplay(window);
        return TRUE;
    case WM_NOTIFY:
        answerTooltipRequest(window, lParam);
        return TRUE;
    case WM_MOUSEMOVE:
        relayMouseMove(window, message, wParam, lParam);
        return TRUE;
    case WM_LBUTTONDOWN:
        onPanelPress(gProgram, (int)(short)LOWORD(lParam), (int)(short)HIWORD(lParam));
        return TRUE;
    case WM_RBUTTONDOWN:
        onPanelRightPress(gProgram);
        return TRUE;
    case WM_TRAY_CALLBACK:
        onTrayButton(gProgram, lParam == WM_LBUTTONDOWN   ? TrayButton::leftDown
                               : lParam == WM_RBUTTONDOWN ? TrayButton::rightDown
                                                          : TrayButton::other);
        return TRUE;
    case WM_ENDSESSION:
        // Logging off or shutting down ends the process after this message;
        // save the settings as the Exit command would, so nothing is lost.
        if (wParam) saveSettingsAtSessionEnd(gProgram);
        return TRUE;
    }
    return FALSE;
}

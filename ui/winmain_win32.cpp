// The entry of tunrix: registers the "Tunrix" dialog class, requires Windows NT
// and the giveio driver, creates the main window and runs the message loop.
#include <cstdlib>
#include <windows.h>
#include <commctrl.h>
#include "card/giveio.h"
#include "resources/resource.h"
#include "ui/dialogs_win32.h"
#include "ui/skin_win32.h"

namespace {

constexpr DWORD kPlatformNt = 2;   // VER_PLATFORM_WIN32_NT

// The dialog manager keeps its per-window data in the extra bytes: 30 on
// 32-bit Windows; 64-bit Windows needs room for three pointers there, and
// its SDK asks for 48.
constexpr int kDialogWindowExtra = sizeof(void*) == 8 ? 48 : 30;

INT_PTR CALLBACK driverErrorDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        centreWindowOnScreen(dialog);
        return TRUE;
    case WM_COMMAND:
        // Whole command word: OK, Enter (1) and Escape or the close box (2).
        if (wParam == IDOK || wParam == IDCANCEL) {
            EndDialog(dialog, 1);
            return TRUE;
        }
        return FALSE;
    }
    return FALSE;
}

bool registerMainWindowClass(HINSTANCE instance) {
    WNDCLASSA windowClass;
    if (!GetClassInfoA(NULL, MAKEINTATOM(0x8002), &windowClass)) return false;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = "Tunrix";
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_TUNRIX));
    windowClass.lpfnWndProc = DefDlgProcA;
    windowClass.cbWndExtra = kDialogWindowExtra;
    return RegisterClassA(&windowClass) != 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    gInstance = instance;
    gProgram.port = &programPort();
    gProgram.platform = &win32Platform();

    if (!registerMainWindowClass(instance)) return 0;
    InitCommonControls();

    OSVERSIONINFOA version;
    ZeroMemory(&version, sizeof version);
    version.dwOSVersionInfoSize = sizeof version;   // the 148-byte record
    GetVersionExA(&version);
    if (version.dwPlatformId != kPlatformNt) {
        MessageBoxA(NULL, "Windows NT not detected!", "Tunrix (NT Version)", MB_OK);
        std::exit(0);
    }

    if (!openGiveio()) {
        DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_DRIVER_ERROR), NULL,
                        driverErrorDialogProc, 0);
        return 0;
    }
    gProgram.window.noTrayMode = version.dwMajorVersion == 3 ? 1 : 0;

    loadDisplayImages();
    HWND created = CreateDialogParamA(instance, MAKEINTRESOURCEA(IDD_MAIN), NULL,
                                      mainDialogProc, 0);
    if (created == NULL) {
        // Without its window the program could never be used or ended.
        MessageBoxA(NULL, "The main window could not be created.", "Error", MB_OK);
        return 0;
    }
    gMainWindow = created;

    MSG message;
    while (GetMessageA(&message, NULL, 0, 0) > 0) {
        if (gMainWindow != NULL && IsWindow(gMainWindow) &&
            IsDialogMessageA(gMainWindow, &message)) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return (int)message.wParam;
}

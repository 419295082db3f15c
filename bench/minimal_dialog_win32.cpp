// The yardsticks for the benchmark: the least a dialog-based Win32 program
// does (its own dialog class, common controls, one template, the message
// loop), built with the same toolchain and flags as tunrix. Built a second
// time with MINIMAL_WITH_TUNRIX_DLLS, it also imports and calls one function
// of each further DLL that tunrix uses (GDI32, SHELL32, WINMM), so the loader
// maps them at start as it would for a program that binds them statically.
#include <windows.h>
#include <commctrl.h>
#if MINIMAL_WITH_TUNRIX_DLLS
#include <mmsystem.h>
#include <shellapi.h>
#endif

static HWND mainWindow;

static INT_PTR CALLBACK minimalProcedure(HWND window, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
#if MINIMAL_WITH_TUNRIX_DLLS
        // Harmless calls whose only purpose is to keep each import in the table.
        DragAcceptFiles(window, FALSE);
        SetWindowLongPtrA(window, DWLP_USER, (LONG_PTR)GetStockObject(WHITE_BRUSH) + timeGetTime());
#endif
        ShowWindow(window, SW_SHOWNORMAL);
        return TRUE;
    }
    if (message == WM_COMMAND && (wParam == IDOK || wParam == IDCANCEL)) {
        ExitProcess(0);
    }
    return FALSE;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    WNDCLASSA dialogClass;
    if (!GetClassInfoA(nullptr, MAKEINTRESOURCEA(0x8002), &dialogClass)) return 0;
    dialogClass.hInstance = instance;
    dialogClass.lpszClassName = "MinimalDialog";
    dialogClass.lpfnWndProc = DefDlgProcA;
    dialogClass.cbWndExtra = DLGWINDOWEXTRA;
    if (!RegisterClassA(&dialogClass)) return 0;
    InitCommonControls();
    mainWindow = CreateDialogParamA(instance, MAKEINTRESOURCEA(100), nullptr, minimalProcedure, 0);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (IsWindow(mainWindow) && IsDialogMessageA(mainWindow, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}

// A tiny program shaped like tunrix (class "Tunrix", a lamp on a panel, a card
// log, radio.ini, an About box) on which the end-to-end driver checks itself.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>

static HWND mainWindow;
static int radioOn = 1;

static void appendCardLog(const char* line) {
    FILE* f = std::fopen("card.log", "a");
    if (!f) return;
    std::fprintf(f, "%s\n", line);
    std::fclose(f);
}

static void paintPanel(HWND window) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    HBITMAP lamp = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(radioOn ? 153 : 154));
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, lamp);
    BitBlt(dc, 125, 12, 12, 9, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
    DeleteObject(lamp);
    EndPaint(window, &ps);
}

static void exitStandIn() {
    FILE* f = std::fopen("radio.ini", "a");
    if (f) {
        std::fprintf(f, "exit %d\n", radioOn);
        std::fclose(f);
    }
    ExitProcess(0);
}

static INT_PTR CALLBACK mainProcedure(HWND window, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        ShowWindow(window, SW_SHOWNORMAL);
        return TRUE;
    case WM_PAINT:
        paintPanel(window);
        return TRUE;
    case WM_COMMAND:
        switch (wParam) {
        case 1000:
            radioOn = 1;
            Sleep(200);
            appendCardLog("0x20f tune 4471 101.075");
            SetWindowTextA(window, "Stand-in - 1");
            InvalidateRect(window, nullptr, FALSE);
            return TRUE;
        case 1033:
            radioOn = !radioOn;
            appendCardLog(radioOn ? "0x20f tune 4471 101.075" : "0x20f off");
            SetDlgItemTextA(window, 1033, radioOn ? "&Power" : "&Power on");
            InvalidateRect(window, nullptr, FALSE);
            return TRUE;
        case 1031:
            MessageBoxA(nullptr, "Stand-in of tunrix\n", "About", MB_OK);
            return TRUE;
        case IDOK:
        case IDCANCEL:
            exitStandIn();
            return TRUE;
        }
        return FALSE;
    }
    return FALSE;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    WNDCLASSA dialogClass;
    if (!GetClassInfoA(nullptr, MAKEINTRESOURCEA(0x8002), &dialogClass)) return 0;
    dialogClass.hInstance = instance;
    dialogClass.lpszClassName = "Tunrix";
    dialogClass.lpfnWndProc = DefDlgProcA;
    dialogClass.cbWndExtra = 30;
    if (!RegisterClassA(&dialogClass)) return 0;
    InitCommonControls();
    if (GetFileAttributesA("radio.ini") == INVALID_FILE_ATTRIBUTES) {
        MessageBoxA(nullptr, "Error opening radio.ini file!\n", "Error", MB_OK);
        return 0;
    }
    mainWindow = CreateDialogParamA(instance, MAKEINTRESOURCEA(136), nullptr, mainProcedure, 0);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (IsWindow(mainWindow) && IsDialogMessageA(mainWindow, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}

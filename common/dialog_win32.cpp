// Centring a window on the screen, and a refused OK's message.
#include "common/dialog_win32.h"

void centreWindowOnScreen(HWND window) {
    RECT r;
    if (!GetWindowRect(window, &r)) return;
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    // Plain int division truncates toward zero, so a window larger than the
    // screen gets a negative position, as intended.
    const int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    MoveWindow(window, x, y, width, height, TRUE);
}

void showVerdict(HWND dialog, const DialogVerdict& verdict) {
    if (verdict.messageText != nullptr) MessageBoxA(dialog, verdict.messageText, verdict.messageTitle, MB_OK);
}

// The tooltip control of the main window: one tool per button, texts asked
// from the core each time a tip is about to appear.
#include <windows.h>
#include <commctrl.h>
#include "ui/skin_win32.h"
#include "ui/tooltips.h"

namespace {

HWND tooltipWindow;

}  // namespace

void createTooltips(HWND window) {
    tooltipWindow = CreateWindowExA(0, TOOLTIPS_CLASSA, NULL, WS_POPUP | TTS_ALWAYSTIP,
                                    CW_USEDEFAULT, CW_USEDEFAULT, 10, 10, window, NULL,
                                    gInstance, NULL);
    for (int i = 0; i < kTooltipCount; ++i) {
        TOOLINFOA tool;
        ZeroMemory(&tool, sizeof tool);
        tool.cbSize = TTTOOLINFOA_V1_SIZE;   // the 40-byte record of the first tooltip control
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = window;
        tool.uId = (UINT_PTR)GetDlgItem(window, kTooltipControls[i]);
        tool.lpszText = LPSTR_TEXTCALLBACKA;
        SendMessageA(tooltipWindow, TTM_ADDTOOLA, 0, (LPARAM)&tool);
    }
}

void answerTooltipRequest(HWND window, LPARAM notification) {
    NMHDR* header = (NMHDR*)notification;
    if (header == NULL || header->code != TTN_NEEDTEXTA) return;
    NMTTDISPINFOA* request = (NMTTDISPINFOA*)notification;
    // The tool id is the button's window handle; the first button of the
    // table that owns it names the text.
    for (int i = 0; i < kTooltipCount; ++i) {
        if ((UINT_PTR)GetDlgItem(window, kTooltipControls[i]) == request->hdr.idFrom) {
            tooltipTextFor(gProgram, kTooltipControls[i], request->szText,
                           sizeof request->szText);
            return;
        }
    }
}

void relayMouseMove(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (tooltipWindow == NULL) return;
    MSG relayed;
    relayed.hwnd = window;
    relayed.message = message;
    relayed.wParam = wParam;
    relayed.lParam = lParam;
    relayed.time = (DWORD)GetMessageTime();
    GetCursorPos(&relayed.pt);
    SendMessageA(tooltipWindow, TTM_RELAYEVENT, 0, (LPARAM)&relayed);
}

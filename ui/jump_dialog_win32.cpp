// The Jump dialog (template 137): the user types a frequency; the portable Jump
// logic decides whether it is accepted, and the dialog returns what it accepted.
#include <windows.h>
#include "ui/dialogs_win32.h"
#include "resources/resource.h"
#include "ui/jump.h"

static INT_PTR CALLBACK jumpDialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    char* accepted = reinterpret_cast<char*>(GetWindowLongPtrA(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        centreWindowOnScreen(dialog);
        SetFocus(GetDlgItem(dialog, IDC_JUMP_FREQUENCY));
        return FALSE;   // the focus is set; the dialog manager must not move it
    case WM_COMMAND:
        if (accepted == nullptr) return FALSE;
        if (wParam == kDialogOk) {
            // Read more than is kept, so the logic sees what the user typed
            // and takes only its first characters itself.
            char field[64];
            GetDlgItemTextA(dialog, IDC_JUMP_FREQUENCY, field, sizeof field);
            const DialogVerdict verdict =
                acceptJumpText(field, *reinterpret_cast<char(*)[kJumpTextSize]>(accepted));
            showVerdict(dialog, verdict);
            if (verdict.close) EndDialog(dialog, IDOK);
            return TRUE;
        }
        if (wParam == kDialogCancel) {
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

bool runJumpDialog(HINSTANCE instance, HWND owner, char (&accepted)[kJumpTextSize]) {
    return DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_JUMP), owner, jumpDialogProcedure,
                           reinterpret_cast<LPARAM>(accepted)) == IDOK;
}

// The Jump dialog (template 137): the user types a frequency; the portable Jump
// logic decides whether it is accepted.
#include <windows.h>
#include "ui/dialogs_win32.h"
#include "resources/resource.h"
#include "ui/jump.h"

static INT_PTR CALLBACK jumpDialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    Program* program = reinterpret_cast<Program*>(GetWindowLongPtrA(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        centreWindowOnScreen(dialog);
        SetFocus(GetDlgItem(dialog, IDC_JUMP_FREQUENCY));
        return FALSE;   // the focus is set; the dialog manager must not move it
    case WM_COMMAND:
        if (program == nullptr) return FALSE;
        if (wParam == kDialogOk) {
            // Read more than is kept, so the logic sees what the user typed
            // and takes only its first characters itself.
            char field[64];
            GetDlgItemTextA(dialog, IDC_JUMP_FREQUENCY, field, sizeof field);
            if (acceptJumpText(*program, field)) {
                EndDialog(dialog, 1);
            } else {
                MessageBoxA(dialog, kInvalidJumpText, kInvalidJumpTitle, MB_OK);
            }
            return TRUE;
        }
        if (wParam == kDialogCancel) {
            cancelJump(*program);
            EndDialog(dialog, 1);
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

void runJumpDialog(HINSTANCE instance, HWND owner, Program& program) {
    DialogBoxParamA(instance, MAKEINTRESOURCEA(kJumpDialog), owner, jumpDialogProcedure,
                    reinterpret_cast<LPARAM>(&program));
}

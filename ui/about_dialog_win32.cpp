// The About dialog (template 138): what the program is and the system it is for.
#include <windows.h>
#include "ui/dialogs_win32.h"
#include "resources/resource.h"
#include "ui/jump.h"

static INT_PTR CALLBACK aboutDialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        centreWindowOnScreen(dialog);
        SetDlgItemTextA(dialog, IDC_ABOUT_SYSTEM, kAboutSystemText);
        return TRUE;   // the dialog manager puts the focus on the default button
    case WM_COMMAND:
        if (aboutDialogCloses(static_cast<unsigned>(wParam))) {
            EndDialog(dialog, 1);
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

void runAboutDialog(HINSTANCE instance, HWND owner) {
    DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_ABOUT), owner, aboutDialogProcedure, 0);
}

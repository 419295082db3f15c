// The sleep timer dialog (template 202): shows the time as entered and hands
// the edits back on OK; the rules are in timed/sleep_timer.
#include "resources/resource.h"
#include "timed/sleep_timer.h"
#include "timed/timed_dialogs_win32.h"

static INT_PTR CALLBACK sleepTimerDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        centreWindowOnScreen(dialog);
        SleepTimerDialogFields fields;
        sleepTimerDialogOpening(*reinterpret_cast<Program*>(lParam), fields);
        SetDlgItemTextA(dialog, IDC_SLEEP_TIMER_HOURS, fields.hours);
        SetDlgItemTextA(dialog, IDC_SLEEP_TIMER_MINUTES, fields.minutes);
        CheckDlgButton(dialog, IDC_SLEEP_TIMER_ACTIVATE, fields.activate ? BST_CHECKED : BST_UNCHECKED);
        return FALSE;   // the initial focus is left to the user
    }
    if (message != WM_COMMAND) return FALSE;
    Program* program = reinterpret_cast<Program*>(GetWindowLongPtrA(dialog, DWLP_USER));
    if (wParam == IDOK && program != nullptr) {
        SleepTimerDialogFields fields;
        GetDlgItemTextA(dialog, IDC_SLEEP_TIMER_HOURS, fields.hours, sizeof fields.hours);
        GetDlgItemTextA(dialog, IDC_SLEEP_TIMER_MINUTES, fields.minutes, sizeof fields.minutes);
        fields.activate = IsDlgButtonChecked(dialog, IDC_SLEEP_TIMER_ACTIVATE) == BST_CHECKED;
        const DialogVerdict verdict = sleepTimerDialogOk(*program, fields);
        showVerdict(dialog, verdict);
        if (verdict.close) EndDialog(dialog, IDOK);
        return TRUE;
    }
    if (wParam == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
    }
    return FALSE;
}

void runSleepTimerDialog(HINSTANCE instance, HWND owner, Program& program) {
    DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_SLEEP_TIMER), owner, sleepTimerDialogProc,
                    reinterpret_cast<LPARAM>(&program));
}

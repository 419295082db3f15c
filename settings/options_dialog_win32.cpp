// The Options dialog (template 170): shows the settings in its controls and
// hands them back on OK; the rules are in settings/options.
#include "common/dialog_win32.h"
#include "resources/resource.h"
#include "settings/options.h"
#include "settings/options_dialog_win32.h"

static void setCheck(HWND dialog, int id, bool on) {
    CheckDlgButton(dialog, id, on ? BST_CHECKED : BST_UNCHECKED);
}

static bool isChecked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

static void showFields(HWND dialog, const OptionsDialogFields& fields) {
    setCheck(dialog, IDC_OPTIONS_BUTTON_BEEPS, fields.buttonBeeps);
    setCheck(dialog, IDC_OPTIONS_RUN_IN_TRAY, fields.runInTray);
    setCheck(dialog, IDC_OPTIONS_SECONDS, fields.seconds);
    setCheck(dialog, IDC_OPTIONS_MINUTES, fields.minutes);
    setCheck(dialog, IDC_OPTIONS_PORT_20C, fields.port20C);
    setCheck(dialog, IDC_OPTIONS_PORT_30C, fields.port30C);
    setCheck(dialog, IDC_OPTIONS_TITLE_BAR, fields.titleBar);
    SetDlgItemTextA(dialog, IDC_OPTIONS_CYCLE_DURATION, fields.cycleDuration);
    for (int i = 0; i < kPresetCount; ++i)
        SetDlgItemTextA(dialog, IDC_OPTIONS_FREQUENCY_1 + 2 * i, fields.frequency[i]);
    for (int i = 0; i < kPresetCount; ++i)
        SetDlgItemTextA(dialog, IDC_OPTIONS_DESCRIPTION_1 + 2 * i, fields.description[i]);
}

static void readFields(HWND dialog, OptionsDialogFields& fields) {
    fields.buttonBeeps = isChecked(dialog, IDC_OPTIONS_BUTTON_BEEPS);
    fields.runInTray = isChecked(dialog, IDC_OPTIONS_RUN_IN_TRAY);
    fields.seconds = isChecked(dialog, IDC_OPTIONS_SECONDS);
    fields.minutes = isChecked(dialog, IDC_OPTIONS_MINUTES);
    fields.port20C = isChecked(dialog, IDC_OPTIONS_PORT_20C);
    fields.port30C = isChecked(dialog, IDC_OPTIONS_PORT_30C);
    fields.titleBar = isChecked(dialog, IDC_OPTIONS_TITLE_BAR);
    GetDlgItemTextA(dialog, IDC_OPTIONS_CYCLE_DURATION, fields.cycleDuration, kOptionsFieldSize);
    for (int i = 0; i < kPresetCount; ++i) {
        GetDlgItemTextA(dialog, IDC_OPTIONS_FREQUENCY_1 + 2 * i, fields.frequency[i], kOptionsFieldSize);
        GetDlgItemTextA(dialog, IDC_OPTIONS_DESCRIPTION_1 + 2 * i, fields.description[i], kOptionsFieldSize);
    }
}

static INT_PTR CALLBACK optionsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        centreWindowOnScreen(dialog);
        OptionsDialogFields fields;
        optionsDialogOpening(*reinterpret_cast<OptionsTarget*>(lParam), fields);
        showFields(dialog, fields);
        return TRUE;   // the dialog manager sets the initial focus
    }
    if (message != WM_COMMAND) return FALSE;
    OptionsTarget* target = reinterpret_cast<OptionsTarget*>(GetWindowLongPtrA(dialog, DWLP_USER));
    if (wParam == IDOK && target != nullptr) {
        OptionsDialogFields fields;
        readFields(dialog, fields);
        optionsDialogOk(*target, fields);
        EndDialog(dialog, IDOK);
        return TRUE;
    }
    if (wParam == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
    }
    return FALSE;
}

bool runOptionsDialog(HINSTANCE instance, HWND owner, OptionsTarget& target) {
    return DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_OPTIONS), owner, optionsDialogProc,
                           reinterpret_cast<LPARAM>(&target)) == IDOK;
}

// The scheduler dialog (template 200): mirrors its controls into a
// SchedulerDialogView and back; every decision is in timed/scheduler.
#include <cstdio>
#include "resources/resource.h"
#include "timed/scheduler.h"
#include "timed/timed_dialogs_win32.h"

static const int kOccursIds[4] = {IDC_SCHEDULER_TODAY, IDC_SCHEDULER_TOMORROW, IDC_SCHEDULER_EVERY,
                                  IDC_SCHEDULER_NEXT};

static void setCheck(HWND dialog, int id, bool on) {
    CheckDlgButton(dialog, id, on ? BST_CHECKED : BST_UNCHECKED);
}

static bool isChecked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

static LRESULT sendItem(HWND dialog, int id, UINT message, WPARAM wParam, LPARAM lParam) {
    return SendDlgItemMessageA(dialog, id, message, wParam, lParam);
}

static void fillLists(HWND dialog) {
    for (const char* day : kDayListNames)
        sendItem(dialog, IDC_SCHEDULER_DAYS, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(day));
    char text[4];
    for (int hour = 1; hour <= kHourListSize; ++hour) {
        std::snprintf(text, sizeof text, "%02d", hour);
        sendItem(dialog, IDC_SCHEDULER_HOURS, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    }
    for (int minute = 0; minute < kMinuteListSize; ++minute) {
        std::snprintf(text, sizeof text, "%02d", minute);
        sendItem(dialog, IDC_SCHEDULER_MINUTES, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    }
}

static void showDayList(HWND dialog, const SchedulerDialogView& view) {
    EnableWindow(GetDlgItem(dialog, IDC_SCHEDULER_DAYS), view.dayListEnabled);
    for (int i = 0; i < kDayListSize; ++i)
        sendItem(dialog, IDC_SCHEDULER_DAYS, LB_SETSEL, view.daySelected[i] ? TRUE : FALSE, i);
}

static void showPlayEdits(HWND dialog, const SchedulerDialogView& view) {
    EnableWindow(GetDlgItem(dialog, IDC_SCHEDULER_PLAY_HOURS), view.playEditsEnabled);
    EnableWindow(GetDlgItem(dialog, IDC_SCHEDULER_PLAY_MINUTES), view.playEditsEnabled);
}

static void showView(HWND dialog, const SchedulerDialogView& view) {
    for (int k = 0; k < 4; ++k) setCheck(dialog, kOccursIds[k], view.occurs[k]);
    showDayList(dialog, view);
    sendItem(dialog, IDC_SCHEDULER_HOURS, LB_SETCURSEL, view.hourIndex, 0);
    sendItem(dialog, IDC_SCHEDULER_MINUTES, LB_SETCURSEL, view.minuteIndex, 0);
    setCheck(dialog, IDC_SCHEDULER_AM, view.am);
    setCheck(dialog, IDC_SCHEDULER_PM, view.pm);
    setCheck(dialog, IDC_SCHEDULER_ACTIVATE, view.activate);
    setCheck(dialog, IDC_SCHEDULER_PLAY_FOREVER, view.playForever);
    showPlayEdits(dialog, view);
    SetDlgItemTextA(dialog, IDC_SCHEDULER_STATION, view.station);
    SetDlgItemTextA(dialog, IDC_SCHEDULER_PLAY_HOURS, view.playHours);
    SetDlgItemTextA(dialog, IDC_SCHEDULER_PLAY_MINUTES, view.playMinutes);
}

static void readView(HWND dialog, SchedulerDialogView& view) {
    for (int k = 0; k < 4; ++k) view.occurs[k] = isChecked(dialog, kOccursIds[k]);
    view.dayListEnabled = IsWindowEnabled(GetDlgItem(dialog, IDC_SCHEDULER_DAYS)) != FALSE;
    for (int i = 0; i < kDayListSize; ++i)
        view.daySelected[i] = sendItem(dialog, IDC_SCHEDULER_DAYS, LB_GETSEL, i, 0) > 0;
    view.hourIndex = static_cast<int>(sendItem(dialog, IDC_SCHEDULER_HOURS, LB_GETCURSEL, 0, 0));
    view.minuteIndex = static_cast<int>(sendItem(dialog, IDC_SCHEDULER_MINUTES, LB_GETCURSEL, 0, 0));
    view.am = isChecked(dialog, IDC_SCHEDULER_AM);
    view.pm = isChecked(dialog, IDC_SCHEDULER_PM);
    view.activate = isChecked(dialog, IDC_SCHEDULER_ACTIVATE);
    view.playForever = isChecked(dialog, IDC_SCHEDULER_PLAY_FOREVER);
    view.playEditsEnabled = IsWindowEnabled(GetDlgItem(dialog, IDC_SCHEDULER_PLAY_HOURS)) != FALSE;
    GetDlgItemTextA(dialog, IDC_SCHEDULER_STATION, view.station, sizeof view.station);
    GetDlgItemTextA(dialog, IDC_SCHEDULER_PLAY_HOURS, view.playHours, sizeof view.playHours);
    GetDlgItemTextA(dialog, IDC_SCHEDULER_PLAY_MINUTES, view.playMinutes, sizeof view.playMinutes);
}

static bool onCommand(HWND dialog, Program& program, WPARAM command) {
    if (HIWORD(command) != 0) return false;   // only clicks; edit and list notifications pass
    SchedulerDialogView view;
    readView(dialog, view);
    for (int k = 0; k < 4; ++k) {
        if (command == static_cast<WPARAM>(kOccursIds[k])) {
            schedulerOccursClicked(program, view, static_cast<EventKind>(k), program.platform->localTime());
            showDayList(dialog, view);
            return true;
        }
    }
    switch (command) {
    case IDC_SCHEDULER_PLAY_FOREVER:
        schedulerPlayForeverClicked(program, view);
        showPlayEdits(dialog, view);
        return true;
    case IDC_SCHEDULER_AM:
    case IDC_SCHEDULER_PM:
        schedulerAmPmClicked(program, view);
        return true;
    case IDOK: {
        const DialogVerdict verdict = schedulerDialogOk(program, view, program.platform->localTime());
        showVerdict(dialog, verdict);
        if (verdict.close) EndDialog(dialog, IDOK);
        return true;
    }
    case IDCANCEL:
        EndDialog(dialog, IDCANCEL);
        return true;
    default:
        return false;
    }
}

static INT_PTR CALLBACK schedulerDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        centreWindowOnScreen(dialog);
        fillLists(dialog);
        SchedulerDialogView view;
        schedulerDialogOpening(*reinterpret_cast<Program*>(lParam), view);
        showView(dialog, view);
        return TRUE;   // the dialog manager sets the initial focus
    }
    if (message != WM_COMMAND) return FALSE;
    Program* program = reinterpret_cast<Program*>(GetWindowLongPtrA(dialog, DWLP_USER));
    if (program == nullptr) return FALSE;
    return onCommand(dialog, *program, wParam) ? TRUE : FALSE;
}

void runSchedulerDialog(HINSTANCE instance, HWND owner, Program& program) {
    DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_SCHEDULER), owner, schedulerDialogProc,
                    reinterpret_cast<LPARAM>(&program));
}

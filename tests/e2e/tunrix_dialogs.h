// The dialogs of tunrix's main window as a user fills and reads them: Jump,
// About, Options, the scheduler and the sleep timer, with the clock that the
// scheduler's lists are set by.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "tunrix.h"

namespace e2e {

const char kJumpCaption[] = "Set Station Frequency";
const char kAboutCaption[] = "About Tunrix";
const char kOptionsCaption[] = "Tunrix Options";
const char kSchedulerCaption[] = "Tunrix Scheduler";
const char kSleepCaption[] = "Tunrix Sleep Timer";

// ---- Jump and About ------------------------------------------------------------

// Types text into the Jump dialog and presses OK; true when the dialog closed.
bool jumpTo(const Tunrix& t, HWND jump, const char* text);
// Typed text that Jump refuses: its message box, and the text stays typed.
void checkJumpRefuses(const Tunrix& t, HWND jump, const char* text, Where where);
// The About dialog's texts: version, "Designed for" and "Windows NT" beside it.
void checkAboutShows(HWND about, Where where);

// ---- Options ------------------------------------------------------------------------

// The Options dialog's controls as read from outside.
struct OptionsView {
    bool runInTray, buttonBeeps, seconds, minutes, port20C, port30C, titleBar;
    std::string duration;
    std::string frequency[10];
    std::string description[10];
};
OptionsView readOptions(HWND dialog);
// What the dialog shows for the example file.
OptionsView exampleOptions();
void checkOptionsShow(HWND dialog, const OptionsView& want, Where where);
// In an open Options dialog (none when null: false), Run in Tray shows the
// other state; a click turns it to `on`, and OK closes the dialog.
bool setRunInTray(const Tunrix& t, HWND options, bool on, Where where);

// ---- The clock --------------------------------------------------------------------

SYSTEMTIME localNow();
std::string clockText(const SYSTEMTIME& t);
// Waits while the clock is within `seconds` of the next minute (or in the
// last minute of the day), so that a test's minute stays the present one.
void waitForRoomInMinute(int seconds);
// Hour list index ("01" = 0 ... "12" = 11) and PM for a 24-hour hour.
int hourIndexOf(int hour);
bool isPm(int hour);
// Day list index (0 = Monday ... 6 = Sunday) of a day of the week (0 = Sunday).
int dayIndexOf(int dayOfWeek);

// ---- Scheduler -------------------------------------------------------------------

// What the scheduler dialog is set to, or is expected to show.
struct EventInput {
    int kind;                  // IDC_SCHEDULER_TODAY, _TOMORROW, _EVERY or _NEXT
    std::vector<int> days;     // day list indices, for Every and Next
    int hourIndex;             // 0 = "01" ... 11 = "12"
    bool pm;
    int minute;
    std::string station;
    bool playForever;
    std::string playHours;     // shown when playForever is off
    std::string playMinutes;
    bool activate;
};
// What the dialog shows for an event that is not armed.
extern const EventInput kDefaultEvent;
void fillScheduler(HWND dialog, const EventInput& in, Where where);
void checkSchedulerShows(HWND dialog, const EventInput& in, Where where);
// Arms an event in a running tunrix (with activate off: disarms it); the
// dialog must accept it. A screenshot of the filled dialog when named.
bool armEvent(const Tunrix& t, const EventInput& in, Where where, const char* screenshot = nullptr);
// Opens the scheduler, checks what it shows (kDefaultEvent: nothing armed),
// and cancels it.
bool checkSchedulerDialogShows(const Tunrix& t, const EventInput& in, Where where);

// ---- Sleep timer -------------------------------------------------------------------

void fillSleep(HWND dialog, const char* hours, const char* minutes, bool activate, Where where);
void checkSleepShows(HWND dialog, const char* hours, const char* minutes, bool activate, Where where);
// Opens the sleep timer, sets it, and OK must close it.
bool setSleep(const Tunrix& t, const char* hours, const char* minutes, bool activate, Where where);
// Opens the sleep timer, checks what it shows ("", "", false: nothing
// armed), and cancels it; a screenshot of it when named.
bool checkSleepDialogShows(const Tunrix& t, const char* hours, const char* minutes, bool activate, Where where,
                           const char* screenshot = nullptr);

}  // namespace e2e

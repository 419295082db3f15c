// The event scheduler: the scheduler dialog's rules (as a model of its
// controls), command 1124, the 15-second poll, the firing and the end of the
// playing time. Every rule is given "now"; none reads the clock.
#pragma once
#include <cstddef>
#include <cstdint>
#include "common/field_text.h"
#include "timed/sleep_timer.h"
#include "radio/program.h"

constexpr uint32_t kSchedulerPollMs = 15000;
constexpr int kDayListSize = 7;       // "Monday" ... "Sunday"
constexpr int kHourListSize = 12;     // "01" ... "12"
constexpr int kMinuteListSize = 60;   // "00" ... "59"
constexpr std::size_t kStationFieldSize = 24;

extern const char* const kDayListNames[kDayListSize];

// The controls of the scheduler dialog (template 200) as the procedure reads
// and writes them.
struct SchedulerDialogView {
    bool occurs[4];                   // "Today", "Tomorrow", "Every", "Next" (by EventKind)
    bool dayListEnabled;
    bool daySelected[kDayListSize];   // day list, index 0 = Monday
    int hourIndex;                    // hour list selection, 0 = "01" ... 11 = "12"
    int minuteIndex;                  // minute list selection, 0-59
    bool am;
    bool pm;
    bool activate;                    // "Activate Timer"
    bool playForever;
    bool playEditsEnabled;            // edits 1146 and 1147
    char station[kStationFieldSize];  // edit 1136
    char playHours[kTimeFieldSize];   // edit 1146
    char playMinutes[kTimeFieldSize]; // edit 1147
};

// 12-hour clock: list index 0-11 ("01"-"12") and AM/PM to 0-23, and back.
int hourFromList(int hourIndex, bool pm);
int hourListIndex(int hour);
// Day of week (0 = Sunday) of the day after `dayOfWeek`.
int tomorrowDayOfWeek(int dayOfWeek);
// Day of week of a day-list index (0 = Monday ... 6 = Sunday).
int dayOfWeekForListIndex(int listIndex);

// A Today event must lie after the present minute.
DialogVerdict checkTodayTime(const LocalTime& eventTime, const LocalTime& now);

// Clears the event, disarms it and shows the dialog's defaults.
void resetEvent(Program& program, SchedulerDialogView& view);
// Shows the armed event as stored.
void showEvent(const Program& program, SchedulerDialogView& view);
// The dialog's initial state: the day list disabled, then showEvent or resetEvent.
void schedulerDialogOpening(Program& program, SchedulerDialogView& view);

// Reactions to the controls that write the event at once (they stand even
// when the dialog is cancelled).
void schedulerOccursClicked(Program& program, SchedulerDialogView& view, EventKind kind,
                            const LocalTime& now);
void schedulerPlayForeverClicked(Program& program, SchedulerDialogView& view);
void schedulerAmPmClicked(Program& program, const SchedulerDialogView& view);

// OK: disarms when "Activate Timer" is unchecked; otherwise builds the event
// from the controls and checks it (playing time, Today's time, station). The
// station's range message is shown by the frequency parser itself. A refused
// OK leaves the event and its armed state as they were.
DialogVerdict schedulerDialogOk(Program& program, const SchedulerDialogView& view,
                                const LocalTime& now);

// Command 1124: runs the dialog, then restarts the poll or stops it.
void schedulerCommand(Program& program);
// The event's kind, days and time match `now` (seconds ignored) and it has
// not fired in this minute already.
bool isEventDue(const ScheduledEvent& event, const LocalTime& now);
// Timer 3: fires the event when it is armed and due.
void schedulerPoll(Program& program, const LocalTime& now);
// Timer 3 as the main window delivers it: schedulerPoll with the platform's
// local time.
void schedulerPollTick(Program& program);
// Tunes the event's station and starts the playing time.
void fireEvent(Program& program);
// Timer 4: the playing time is over; the radio goes off. A tick while timer
// 4 is not running is ignored.
void playingTimeEnded(Program& program);

// The event scheduler's rules: the dialog model, OK and its checks, command
// 1124, the poll (timer 3), the firing and the end of the playing time (timer 4).
#include <cstdio>
#include <cstring>
#include "card/frequency.h"
#include "radio/window_ops.h"
#include "timed/scheduler.h"

const char* const kDayListNames[kDayListSize] = {
    "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"};

static const char kIncompleteDataTitle[] = "Incomplete Data";
static const char kTimeErrorTitle[] = "Time Error";
static const char kNoPlayingTimeText[] = "I don't know how long to play!";
static const char kPlayingTooLongText[] =
    "Time too long!! The playing time can be at most 1193 hours 2 minutes.";
static const char kHourPassedText[] = "Hour has already passed!";
static const char kMinutePassedText[] = "Minute has already passed!";
static const char kDefaultStation[] = "99.9";
constexpr std::size_t kStationChars = 5;

static bool isOnce(EventKind kind) { return kind == kEventToday || kind == kEventTomorrow; }
static bool usesDayList(EventKind kind) { return kind == kEventEvery || kind == kEventNext; }
static int boundedDayCount(const ScheduledEvent& event) {
    return event.dayCount < 0 ? 0 : (event.dayCount > kDayListSize ? kDayListSize : event.dayCount);
}

int hourFromList(int hourIndex, bool pm) {
    if (hourIndex < 0 || hourIndex >= kHourListSize) hourIndex = 0;
    const int hour = hourIndex + 1;   // 1-12
    if (pm) return hour == 12 ? 12 : hour + 12;
    return hour == 12 ? 0 : hour;
}

int hourListIndex(int hour) {
    if (hour <= 0 || hour > 23) return 11;   // midnight reads "12"
    if (hour > 12) hour -= 12;
    return hour - 1;
}

int tomorrowDayOfWeek(int dayOfWeek) {
    return (dayOfWeek >= 0 && dayOfWeek < 6) ? dayOfWeek + 1 : 0;
}

int dayOfWeekForListIndex(int listIndex) { return listIndex == 6 ? 0 : listIndex + 1; }

DialogVerdict checkTodayTime(const LocalTime& eventTime, const LocalTime& now) {
    if (now.hour > eventTime.hour) return {false, kHourPassedText, kTimeErrorTitle};
    if (now.hour == eventTime.hour && now.minute >= eventTime.minute)
        return {false, kMinutePassedText, kTimeErrorTitle};
    return {true, nullptr, nullptr};
}

static void setPlayEdits(SchedulerDialogView& view, const char* hours, const char* minutes) {
    copyBoundedText(view.playHours, sizeof view.playHours, hours, sizeof view.playHours - 1);
    copyBoundedText(view.playMinutes, sizeof view.playMinutes, minutes, sizeof view.playMinutes - 1);
}

void resetEvent(Program& program, SchedulerDialogView& view) {
    ScheduledEvent& event = program.event;
    event.dayCount = 0;
    program.window.schedulerActive = 0;
    std::memset(event.times, 0, sizeof event.times);
    std::memset(event.dayItems, 0, sizeof event.dayItems);
    event.firedCount = 0;   // a new event counts its firings from zero
    for (bool& checked : view.occurs) checked = false;
    view.occurs[kEventToday] = true;
    view.am = true;
    view.pm = false;
    event.pm = 0;
    view.hourIndex = 0;
    view.minuteIndex = 0;
    view.playForever = true;
    view.playEditsEnabled = false;
    event.playForever = 1;
    event.kind = kEventToday;
    copyBoundedText(view.station, sizeof view.station, kDefaultStation, kStationChars);
    copyBoundedText(event.station, sizeof event.station, kDefaultStation, kStationChars);
    setPlayEdits(view, "1", "0");
    view.activate = false;
    for (bool& selected : view.daySelected) selected = false;
}

void showEvent(const Program& program, SchedulerDialogView& view) {
    const ScheduledEvent& event = program.event;
    for (int k = 0; k < 4; ++k) view.occurs[k] = (event.kind == k);
    if (usesDayList(event.kind)) view.dayListEnabled = true;
    copyBoundedText(view.station, sizeof view.station, event.station, kStationChars);
    view.activate = true;
    view.pm = event.pm == 1;
    view.am = !view.pm;
    if (event.playForever != 0) {
        view.playForever = true;
        view.playEditsEnabled = false;
    } else {
        view.playForever = false;
        view.playEditsEnabled = true;
        char hours[kTimeFieldSize], minutes[kTimeFieldSize];
        std::snprintf(hours, sizeof hours, "%u", static_cast<unsigned>(event.playHours));
        std::snprintf(minutes, sizeof minutes, "%u", static_cast<unsigned>(event.playMinutes));
        setPlayEdits(view, hours, minutes);
    }
    for (bool& selected : view.daySelected) selected = false;
    if (usesDayList(event.kind)) {
        for (int i = 0; i < boundedDayCount(event); ++i) {
            const int32_t item = event.dayItems[i];
            if (item >= 0 && item < kDayListSize) view.daySelected[item] = true;
        }
    }
    view.hourIndex = hourListIndex(event.times[0].hour);
    const int minute = event.times[0].minute;
    view.minuteIndex = (minute >= 0 && minute < kMinuteListSize) ? minute : 0;
}

void schedulerDialogOpening(Program& program, SchedulerDialogView& view) {
    std::memset(&view, 0, sizeof view);
    view.dayListEnabled = false;
    if (program.window.schedulerActive != 0) {
        showEvent(program, view);
    } else {
        resetEvent(program, view);
    }
}

void schedulerOccursClicked(Program& program, SchedulerDialogView& view, EventKind kind,
                            const LocalTime& now) {
    if (kind < kEventToday || kind > kEventNext) return;
    for (int k = 0; k < 4; ++k) view.occurs[k] = (k == kind);
    program.event.kind = kind;
    if (usesDayList(kind)) {
        view.dayListEnabled = true;
        for (bool& selected : view.daySelected) selected = false;
        view.daySelected[0] = true;   // "Monday"
    } else {
        view.dayListEnabled = false;
        if (kind == kEventTomorrow) program.event.times[0].dayOfWeek = static_cast<int16_t>(tomorrowDayOfWeek(now.dayOfWeek));
    }
}

void schedulerPlayForeverClicked(Program& program, SchedulerDialogView& view) {
    program.event.playForever = view.playForever ? 1 : 0;
    view.playEditsEnabled = !view.playForever;
}

void schedulerAmPmClicked(Program& program, const SchedulerDialogView& view) {
    program.event.pm = view.am ? 0 : 1;
}

DialogVerdict schedulerDialogOk(Program& program, const SchedulerDialogView& view,
                                const LocalTime& now) {
    if (!view.activate) {
        SchedulerDialogView unused;
        resetEvent(program, unused);
        return {true, nullptr, nullptr};
    }
    // The event is built aside and stored only when every check passes, so a
    // refused OK followed by Cancel leaves the previous event as it was.
    ScheduledEvent event = program.event;
    event.pm = view.pm ? 1 : 0;

    EventKind kind = kEventNext;
    if (view.occurs[kEventToday]) kind = kEventToday;
    else if (view.occurs[kEventTomorrow]) kind = kEventTomorrow;
    else if (view.occurs[kEventEvery]) kind = kEventEvery;

    // Only Every and Next use the day list; a selection left in the disabled
    // list must not move a Tomorrow event to another day.
    event.dayCount = 0;
    std::memset(event.dayItems, 0, sizeof event.dayItems);
    if (usesDayList(kind)) {
        for (int i = 0; i < kDayListSize; ++i) {
            if (!view.daySelected[i]) continue;
            event.dayItems[event.dayCount] = i;
            event.times[event.dayCount].dayOfWeek = static_cast<int16_t>(dayOfWeekForListIndex(i));
            ++event.dayCount;
        }
    }

    const int hour = hourFromList(view.hourIndex, event.pm != 0);
    const int minute = (view.minuteIndex >= 0 && view.minuteIndex < kMinuteListSize) ? view.minuteIndex : 0;
    const int timed = event.dayCount == 0 ? 1 : event.dayCount;
    for (int i = 0; i < timed; ++i) {
        event.times[i].hour = static_cast<int16_t>(hour);
        event.times[i].minute = static_cast<int16_t>(minute);
    }
    event.kind = kind;
    copyBoundedText(event.station, sizeof event.station, view.station, kStationChars);

    if (event.playForever == 0) {
        event.playHours = readUnsignedField(view.playHours);
        event.playMinutes = readUnsignedField(view.playMinutes);
        if (event.playHours == 0 && event.playMinutes == 0)
            return {false, kNoPlayingTimeText, kIncompleteDataTitle};
        if (timedPeriodMs(event.playHours, event.playMinutes) == 0)
            return {false, kPlayingTooLongText, kTimeErrorTitle};
    }
    if (kind == kEventToday) {
        const DialogVerdict today = checkTodayTime(event.times[0], now);
        if (!today.close) return today;
    }
    if (parseFrequency(event.station, *program.platform) == 0.0f) return {false, nullptr, nullptr};

    event.firedCount = 0;
    program.event = event;
    program.window.schedulerActive = 1;
    return {true, nullptr, nullptr};
}

void schedulerCommand(Program& program) {
    program.platform->runDialog(kSchedulerDialog);
    if (program.window.schedulerActive == 1) {
        program.platform->stopTimer(kSchedulerPollTimer);
        program.platform->stopTimer(kPlayingTimeTimer);
        program.event.playingTimeRunning = 0;
        program.platform->startTimer(kSchedulerPollTimer, kSchedulerPollMs);
    } else {
        program.platform->stopTimer(kSchedulerPollTimer);
    }
    redrawDisplay(program);
}

static bool sameMinute(const LocalTime& a, const LocalTime& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day && a.hour == b.hour &&
           a.minute == b.minute;
}

static bool matchesTime(const LocalTime& entry, const LocalTime& now) {
    return entry.hour == now.hour && entry.minute == now.minute;
}

bool isEventDue(const ScheduledEvent& event, const LocalTime& now) {
    if (sameMinute(event.lastFiring, now)) return false;
    switch (event.kind) {
    case kEventToday:
        return matchesTime(event.times[0], now);
    case kEventTomorrow:
        return event.times[0].dayOfWeek == now.dayOfWeek && matchesTime(event.times[0], now);
    case kEventEvery:
    case kEventNext:
        for (int i = 0; i < boundedDayCount(event); ++i) {
            if (event.times[i].dayOfWeek == now.dayOfWeek && matchesTime(event.times[i], now)) return true;
        }
        return false;
    default:
        return false;
    }
}

void schedulerPoll(Program& program, const LocalTime& now) {
    // A tick queued before the event was disarmed must not fire it.
    if (program.window.schedulerActive == 0) return;
    if (!isEventDue(program.event, now)) return;
    program.event.lastFiring = now;
    fireEvent(program);
}

void schedulerPollTick(Program& program) { schedulerPoll(program, program.platform->localTime()); }

void fireEvent(Program& program) {
    ScheduledEvent& event = program.event;
    if (event.kind == kEventNext) event.firedCount += 1;
    copyBoundedText(program.settings.lastStation(), kFrequencyTextSize, event.station, kStationChars);
    // A new station: the panel no longer shows a Jump's frequency, as after
    // every other station change.
    makeStationCurrent(program, program.settings.lastStation(), kNoPreset);
    if (isOnce(event.kind)) program.window.schedulerActive = 0;
    redrawDisplay(program);
    playButtonBeep(program);
    program.settings.powerStatus = 1;
    tuneStation(program, program.window.currentFrequency);
    if (isOnce(event.kind)) program.platform->stopTimer(kSchedulerPollTimer);
    if (event.playForever == 0) {
        // The dialog refuses a zero or too long playing time; should one get
        // here anyway the radio keeps playing rather than stopping at once.
        const uint32_t period = timedPeriodMs(event.playHours, event.playMinutes);
        if (period != 0) {
            startTimedPeriod(*program.platform, kPlayingTimeTimer, period, event.playingRemainingMs);
            event.playingTimeRunning = 1;
        }
    }
    if (program.window.noTrayMode == 0) updateTrayIcon(program, TrayAction::update);
    if (event.kind == kEventNext && event.firedCount >= event.dayCount) {
        program.window.schedulerActive = 0;
        redrawDisplay(program);
        program.platform->stopTimer(kSchedulerPollTimer);
    }
}

void playingTimeEnded(Program& program) {
    // A tick queued before timer 4 was stopped must neither switch the radio
    // off nor start the next piece of a long playing time.
    if (program.event.playingTimeRunning == 0) return;
    if (!timedPeriodOver(*program.platform, kPlayingTimeTimer, program.event.playingRemainingMs)) return;
    program.event.playingTimeRunning = 0;
    switchRadioOff(program, SwitchOffBy::playingTimeEnd);
    if (isOnce(program.event.kind)) program.window.schedulerActive = 0;
}

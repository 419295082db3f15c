// Event scheduler: clock conversions, the dialog model and OK, the due test,
// firing, disarming and the end of the playing time.
#include <gtest/gtest.h>
#include "card/port_protocol.h"
#include "tests/unit/timed_fixture.h"
#include "timed/scheduler.h"

namespace {

constexpr int kSunday = 0, kMonday = 1, kWednesday = 3, kFriday = 5, kSaturday = 6;

TEST(SchedulerClock, TwelveHourListToTwentyFourHours) {
    struct Case { int index; bool pm; int hour; } cases[] = {
        {11, false, 0}, {11, true, 12}, {0, true, 13}, {0, false, 1},
        {10, false, 11}, {10, true, 23}, {5, true, 18},
    };
    for (const Case& c : cases) EXPECT_EQ(hourFromList(c.index, c.pm), c.hour) << c.index << c.pm;
}

TEST(SchedulerClock, TwentyFourHoursBackToTheListRoundTrips) {
    EXPECT_EQ(hourListIndex(0), 11);    // "12"
    EXPECT_EQ(hourListIndex(12), 11);
    EXPECT_EQ(hourListIndex(13), 0);    // "01"
    EXPECT_EQ(hourListIndex(23), 10);
    for (int hour = 0; hour < 24; ++hour)
        EXPECT_EQ(hourFromList(hourListIndex(hour), hour >= 12), hour) << hour;
}

TEST(SchedulerClock, TomorrowAndDayListToDayOfWeek) {
    const int tomorrow[7] = {1, 2, 3, 4, 5, 6, 0};   // Saturday is followed by Sunday
    const int fromList[7] = {1, 2, 3, 4, 5, 6, 0};   // Monday ... Sunday
    for (int d = 0; d < 7; ++d) {
        EXPECT_EQ(tomorrowDayOfWeek(d), tomorrow[d]) << d;
        EXPECT_EQ(dayOfWeekForListIndex(d), fromList[d]) << d;
    }
}

TEST(SchedulerClock, CheckTodayTimeCountsThePresentMinuteAsPassed) {
    struct Case { int eventHour, eventMinute, nowHour, nowMinute; const char* message; } cases[] = {
        {10, 30, 10, 29, nullptr},
        {10, 30, 9, 59, nullptr},
        {10, 30, 9, 45, nullptr},   // later minute in an earlier hour is fine
        {23, 59, 23, 58, nullptr},
        {10, 30, 10, 30, "Minute has already passed!"},
        {10, 30, 10, 31, "Minute has already passed!"},
        {0, 0, 0, 0, "Minute has already passed!"},
        {10, 30, 11, 0, "Hour has already passed!"},
        {0, 59, 1, 0, "Hour has already passed!"},
    };
    for (const Case& c : cases) {
        const DialogVerdict v = checkTodayTime(timeAt(0, c.eventHour, c.eventMinute), timeAt(0, c.nowHour, c.nowMinute));
        EXPECT_EQ(v.close, c.message == nullptr);
        if (c.message != nullptr) {
            EXPECT_STREQ(v.messageText, c.message);
            EXPECT_STREQ(v.messageTitle, "Time Error");
        }
    }
}

ScheduledEvent eventOf(EventKind kind, std::vector<LocalTime> times) {
    ScheduledEvent e{};
    e.kind = kind;
    e.dayCount = static_cast<int16_t>(kind == kEventEvery || kind == kEventNext ? times.size() : 0);
    for (size_t i = 0; i < times.size(); ++i) e.times[i] = times[i];
    return e;
}

TEST(IsEventDue, MatchesKindDayHourAndMinuteIgnoringSeconds) {
    const ScheduledEvent today = eventOf(kEventToday, {timeAt(kMonday, 8, 15)});
    const ScheduledEvent tomorrow = eventOf(kEventTomorrow, {timeAt(kSunday, 8, 15)});
    const ScheduledEvent every = eventOf(kEventEvery, {timeAt(kMonday, 8, 15), timeAt(kFriday, 8, 15)});
    const ScheduledEvent next = eventOf(kEventNext, {timeAt(kWednesday, 21, 0)});
    ScheduledEvent noDays = eventOf(kEventEvery, {});
    noDays.times[0] = timeAt(kMonday, 8, 15);
    ScheduledEvent oddKind = today;
    oddKind.kind = static_cast<EventKind>(4);
    struct Case { const char* name; const ScheduledEvent& event; LocalTime now; bool due; } cases[] = {
        {"today any day", today, timeAt(kSaturday, 8, 15, 59), true},
        {"today other minute", today, timeAt(kMonday, 8, 16), false},
        {"today other hour", today, timeAt(kMonday, 9, 15), false},
        {"tomorrow on its day", tomorrow, timeAt(kSunday, 8, 15, 30), true},
        {"tomorrow other day", tomorrow, timeAt(kMonday, 8, 15), false},
        {"every first day", every, timeAt(kMonday, 8, 15), true},
        {"every second day", every, timeAt(kFriday, 8, 15), true},
        {"every unselected day", every, timeAt(kWednesday, 8, 15), false},
        {"next its day", next, timeAt(kWednesday, 21, 0), true},
        {"next other minute", next, timeAt(kWednesday, 21, 1), false},
        {"no day selected", noDays, timeAt(kMonday, 8, 15), false},
        {"unknown kind", oddKind, timeAt(kMonday, 8, 15), false},
    };
    for (const Case& c : cases) EXPECT_EQ(isEventDue(c.event, c.now), c.due) << c.name;

    ScheduledEvent fired = every;
    fired.lastFiring = timeAt(kMonday, 8, 15, 2);
    EXPECT_FALSE(isEventDue(fired, timeAt(kMonday, 8, 15, 47)));
    EXPECT_TRUE(isEventDue(fired, timeAt(kMonday, 8, 15, 0, 17)));   // a week later
}

void expectSameTime(const LocalTime& a, const LocalTime& b) {
    EXPECT_EQ(a.dayOfWeek, b.dayOfWeek);
    EXPECT_EQ(a.hour, b.hour);
    EXPECT_EQ(a.minute, b.minute);
}

void expectSameEvent(const ScheduledEvent& a, const ScheduledEvent& b) {
    EXPECT_EQ(a.dayCount, b.dayCount);
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(a.dayItems[i], b.dayItems[i]) << i;
        expectSameTime(a.times[i], b.times[i]);
    }
    EXPECT_EQ(a.kind, b.kind);
    EXPECT_EQ(a.pm, b.pm);
    EXPECT_STREQ(a.station, b.station);
    EXPECT_EQ(a.playForever, b.playForever);
    EXPECT_EQ(a.playHours, b.playHours);
    EXPECT_EQ(a.playMinutes, b.playMinutes);
    EXPECT_EQ(a.firedCount, b.firedCount);
}

// --- The dialog ---------------------------------------------------------

struct SchedulerFixture : TimedFixtureProgram {
    SchedulerDialogView view{};
    LocalTime now = timeAt(kMonday, 9, 0);
    void open() { schedulerDialogOpening(program, view); }
    DialogVerdict ok() { return schedulerDialogOk(program, view, now); }
    void choose(EventKind kind) {
        for (int k = 0; k < 4; ++k) view.occurs[k] = (k == kind);
        schedulerOccursClicked(program, view, kind, now);
    }
    void setPm(bool pm) {
        view.pm = pm;
        view.am = !pm;
        schedulerAmPmClicked(program, view);
    }
    void setPlayForever(bool on) {
        view.playForever = on;
        schedulerPlayForeverClicked(program, view);
    }
    void setPlayTime(const char* hours, const char* minutes) {
        snprintf(view.playHours, sizeof view.playHours, "%s", hours);
        snprintf(view.playMinutes, sizeof view.playMinutes, "%s", minutes);
    }
};

TEST(SchedulerDialog, OpeningWhileDisarmedClearsTheEventAndShowsDefaults) {
    SchedulerFixture f;
    f.program.event.dayCount = 3;
    f.program.event.times[2].hour = 7;
    f.program.event.firedCount = 2;
    f.open();
    EXPECT_EQ(f.program.event.dayCount, 0);
    EXPECT_EQ(f.program.event.times[2].hour, 0);
    EXPECT_EQ(f.program.event.firedCount, 0);
    EXPECT_EQ(f.program.event.kind, kEventToday);
    EXPECT_EQ(f.program.event.playForever, 1);
    EXPECT_STREQ(f.program.event.station, "99.9");
    EXPECT_TRUE(f.view.occurs[kEventToday]);
    EXPECT_TRUE(f.view.am);
    EXPECT_FALSE(f.view.pm);
    EXPECT_FALSE(f.view.dayListEnabled);
    EXPECT_FALSE(f.view.activate);
    EXPECT_TRUE(f.view.playForever);
    EXPECT_FALSE(f.view.playEditsEnabled);
    EXPECT_EQ(f.view.hourIndex, 0);
    EXPECT_EQ(f.view.minuteIndex, 0);
    EXPECT_STREQ(f.view.station, "99.9");
    EXPECT_STREQ(f.view.playHours, "1");
    EXPECT_STREQ(f.view.playMinutes, "0");
}

TEST(SchedulerDialog, TwelveHourChoicesAreStoredAndShownAgain) {
    struct Case { int hourIndex; bool pm; int hour; } cases[] = {
        {11, false, 0}, {11, true, 12}, {0, true, 13}, {6, false, 7},
    };
    for (const Case& c : cases) {
        SchedulerFixture f;
        f.now = timeAt(kMonday, 0, 0);
        f.open();
        f.choose(kEventTomorrow);
        f.view.activate = true;
        f.setPm(c.pm);
        f.view.hourIndex = c.hourIndex;
        f.view.minuteIndex = 42;
        ASSERT_TRUE(f.ok().close);
        EXPECT_EQ(f.program.event.times[0].hour, c.hour);
        EXPECT_EQ(f.program.event.times[0].minute, 42);
        EXPECT_EQ(f.program.event.pm, c.pm ? 1 : 0);

        SchedulerDialogView shown{};
        schedulerDialogOpening(f.program, shown);
        EXPECT_EQ(shown.hourIndex, c.hourIndex);
        EXPECT_EQ(shown.minuteIndex, 42);
        EXPECT_EQ(shown.pm, c.pm);
        EXPECT_EQ(shown.am, !c.pm);
        EXPECT_TRUE(shown.activate);
        EXPECT_TRUE(shown.occurs[kEventTomorrow]);
    }
}

TEST(SchedulerDialog, TomorrowOnSaturdayIsSunday) {
    SchedulerFixture f;
    f.now = timeAt(kSaturday, 22, 0);
    f.open();
    f.choose(kEventTomorrow);
    EXPECT_EQ(f.program.event.times[0].dayOfWeek, kSunday);
    EXPECT_EQ(f.program.event.kind, kEventTomorrow);
    EXPECT_FALSE(f.view.dayListEnabled);
}

TEST(SchedulerDialog, EveryAndNextStartWithMondayAndStoreTheDaysOfWeek) {
    SchedulerFixture f;
    f.open();
    f.choose(kEventEvery);
    EXPECT_TRUE(f.view.dayListEnabled);
    EXPECT_TRUE(f.view.daySelected[0]);
    f.view.daySelected[6] = true;     // add Sunday
    f.view.daySelected[2] = true;     // and Wednesday
    f.view.activate = true;
    f.view.hourIndex = 7;             // "08"
    f.view.minuteIndex = 5;
    ASSERT_TRUE(f.ok().close);
    const ScheduledEvent& e = f.program.event;
    ASSERT_EQ(e.dayCount, 3);
    const int items[3] = {0, 2, 6}, days[3] = {kMonday, kWednesday, kSunday};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(e.dayItems[i], items[i]);
        EXPECT_EQ(e.times[i].dayOfWeek, days[i]);
        EXPECT_EQ(e.times[i].hour, 8);
        EXPECT_EQ(e.times[i].minute, 5);
    }
    EXPECT_EQ(f.program.window.schedulerActive, 1);

    SchedulerDialogView shown{};
    schedulerDialogOpening(f.program, shown);
    EXPECT_TRUE(shown.dayListEnabled);
    const bool selected[7] = {true, false, true, false, false, false, true};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(shown.daySelected[i], selected[i]) << i;

    // Choosing Next again starts from Monday alone.
    f.choose(kEventNext);
    for (int i = 0; i < 7; ++i) EXPECT_EQ(f.view.daySelected[i], i == 0) << i;
    EXPECT_EQ(f.program.event.kind, kEventNext);
}

TEST(SchedulerDialog, ADaySelectionLeftInTheDisabledListDoesNotMoveTomorrow) {
    SchedulerFixture f;
    f.now = timeAt(kWednesday, 9, 0);
    f.open();
    f.choose(kEventEvery);                 // Monday selected
    f.choose(kEventTomorrow);              // list disabled, selection kept
    f.view.activate = true;
    ASSERT_TRUE(f.ok().close);
    EXPECT_EQ(f.program.event.times[0].dayOfWeek, 4);   // Thursday, not Monday
    EXPECT_EQ(f.program.event.dayCount, 0);
}

TEST(SchedulerDialog, ImmediateControlsStandAfterCancel) {
    SchedulerFixture f;
    f.open();
    f.choose(kEventNext);
    f.setPm(true);
    f.setPlayForever(false);
    EXPECT_TRUE(f.view.playEditsEnabled);
    // Cancel: nothing more is called, yet the event already holds the choices.
    EXPECT_EQ(f.program.event.kind, kEventNext);
    EXPECT_EQ(f.program.event.pm, 1);
    EXPECT_EQ(f.program.event.playForever, 0);
    EXPECT_EQ(f.program.window.schedulerActive, 0);
    f.setPlayForever(true);
    EXPECT_FALSE(f.view.playEditsEnabled);
    EXPECT_EQ(f.program.event.playForever, 1);
}

TEST(SchedulerDialog, OkChecksInOrderAndARefusalKeepsThePreviousEvent) {
    struct Case {
        const char* name; EventKind kind; bool playForever; const char* hours; const char* minutes;
        int hourIndex, minuteIndex; const char* station; const char* text; const char* title;
    } cases[] = {
        // 09:00 now, AM. Each later check is reached only when the earlier ones pass.
        {"no playing time", kEventToday, false, "0", "", 0, 0, "200.0", "I don't know how long to play!", "Incomplete Data"},
        {"too long", kEventToday, false, "1193", "3", 0, 0, "200.0", "Time too long!! The playing time can be at most 1193 hours 2 minutes.", "Time Error"},
        {"hour passed", kEventToday, false, "1", "30", 7, 0, "200.0", "Hour has already passed!", "Time Error"},
        {"minute passed", kEventToday, true, "", "", 8, 0, "200.0", "Minute has already passed!", "Time Error"},
        {"bad station", kEventToday, true, "", "", 9, 0, "200.0", nullptr, nullptr},
        {"bad station, not today", kEventEvery, true, "", "", 7, 0, "87.4", nullptr, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SchedulerFixture f;
        // An armed Every event that must survive the refused OK.
        f.program.window.schedulerActive = 1;
        f.program.event = eventOf(kEventEvery, {timeAt(kFriday, 6, 30)});
        f.program.event.dayItems[0] = 4;
        snprintf(f.program.event.station, sizeof f.program.event.station, "%s", "101.5");
        f.program.event.playForever = 1;
        f.program.event.firedCount = 0;
        f.open();
        f.choose(c.kind);
        f.setPlayForever(c.playForever);
        f.setPlayTime(c.hours, c.minutes);
        f.view.hourIndex = c.hourIndex;
        f.view.minuteIndex = c.minuteIndex;
        snprintf(f.view.station, sizeof f.view.station, "%s", c.station);
        const ScheduledEvent before = f.program.event;   // after the immediate controls

        const DialogVerdict v = f.ok();
        EXPECT_FALSE(v.close);
        if (c.text != nullptr) {
            EXPECT_STREQ(v.messageText, c.text);
            EXPECT_STREQ(v.messageTitle, c.title);
            EXPECT_TRUE(f.platform.log.empty());
        } else {
            EXPECT_EQ(v.messageText, nullptr);   // the parser has shown its own
            EXPECT_EQ(f.platform.linesStartingWith("message"),
                      (std::vector<std::string>{"message Frequency out of Range!\n|Error"}));
        }
        EXPECT_EQ(f.program.window.schedulerActive, 1);
        expectSameEvent(f.program.event, before);
    }
}

TEST(SchedulerDialog, OkStoresTheStationCutToFiveCharactersAndThePlayingTime) {
    SchedulerFixture f;
    f.open();
    f.view.activate = true;
    f.view.hourIndex = 9;                  // 10 AM, later than now
    f.setPlayForever(false);
    f.setPlayTime("1", "30");
    snprintf(f.view.station, sizeof f.view.station, "%s", "101.50000");
    f.program.event.firedCount = 5;
    ASSERT_TRUE(f.ok().close);
    EXPECT_STREQ(f.program.event.station, "101.5");
    EXPECT_EQ(f.program.event.playHours, 1u);
    EXPECT_EQ(f.program.event.playMinutes, 30u);
    EXPECT_EQ(f.program.event.firedCount, 0);
    EXPECT_EQ(f.program.window.schedulerActive, 1);

    SchedulerDialogView shown{};
    schedulerDialogOpening(f.program, shown);
    EXPECT_FALSE(shown.playForever);
    EXPECT_TRUE(shown.playEditsEnabled);
    EXPECT_STREQ(shown.playHours, "1");
    EXPECT_STREQ(shown.playMinutes, "30");
    EXPECT_STREQ(shown.station, "101.5");
}

TEST(SchedulerDialog, OkWithoutActivateDisarmsAndClears) {
    SchedulerFixture f;
    f.program.window.schedulerActive = 1;
    f.program.event = eventOf(kEventNext, {timeAt(kFriday, 6, 30), timeAt(kMonday, 6, 30)});
    f.open();
    f.view.activate = false;
    ASSERT_TRUE(f.ok().close);
    EXPECT_EQ(f.program.window.schedulerActive, 0);
    EXPECT_EQ(f.program.event.dayCount, 0);
    EXPECT_EQ(f.program.event.kind, kEventToday);
    EXPECT_EQ(f.program.event.times[1].dayOfWeek, 0);
}

// --- Command 1124 and the timers ----------------------------------------

TEST(SchedulerCommand, RestartsThePollOrStopsIt) {
    for (int armed : {1, 0}) {
        TimedFixtureProgram f;
        f.platform.onDialog = [&](DialogId id) {
            EXPECT_EQ(id, kSchedulerDialog);
            f.program.window.schedulerActive = armed;
        };
        schedulerCommand(f.program);
        const std::vector<std::string> expected = armed
            ? std::vector<std::string>{"dialog 200", "stop 3", "stop 4", "start 3 15000", "redraw"}
            : std::vector<std::string>{"dialog 200", "stop 3", "redraw"};
        EXPECT_EQ(f.platform.log, expected);
    }
}

struct ArmedFixture : TimedFixtureProgram {
    ArmedFixture(EventKind kind, std::vector<LocalTime> times, bool playForever, uint32_t hours = 0,
                 uint32_t minutes = 0) {
        program.event = eventOf(kind, times);
        snprintf(program.event.station, sizeof program.event.station, "%s", "101.5");
        program.event.playForever = playForever ? 1 : 0;
        program.event.playHours = hours;
        program.event.playMinutes = minutes;
        program.window.schedulerActive = 1;
        snprintf(program.window.currentFrequency, sizeof program.window.currentFrequency, "%s", "88.0");
    }
    // Four polls within the minute, as timer 3 delivers them.
    int pollMinute(LocalTime minute) {
        int firings = 0;
        for (int second : {1, 16, 31, 46}) {
            minute.second = static_cast<int16_t>(second);
            const size_t tunes = port.events.size();
            schedulerPoll(program, minute);
            if (port.events.size() != tunes) ++firings;
        }
        return firings;
    }
};

TEST(FireEvent, TodayTunesStartsThePlayingTimeAndDisarms) {
    ArmedFixture f(kEventToday, {timeAt(kMonday, 8, 15)}, false, 1, 30);
    EXPECT_EQ(f.pollMinute(timeAt(kMonday, 8, 15)), 1);

    EXPECT_EQ(f.program.window.schedulerActive, 0);
    EXPECT_EQ(f.program.window.currentPresetIndex, kNoPreset);
    EXPECT_STREQ(f.program.window.currentFrequency, "101.5");
    EXPECT_STREQ(f.program.settings.lastStation(), "101.5");
    EXPECT_EQ(f.program.settings.powerStatus, 1);
    EXPECT_EQ(f.platform.log, (std::vector<std::string>{
        "redraw", "sound beep.wav", "stop 3", "start 4 5400000", "tray update on FM 101.5"}));

    RecordingPortIo expected;
    RecordingPlatform quiet;
    tuneToFrequency(expected, f.program.settings.ioPort, "101.5", quiet);
    EXPECT_FALSE(expected.events.empty());
    EXPECT_EQ(f.port.events, expected.events);
}

TEST(FireEvent, PlayForeverLeavesTheRadioOnWithoutTimer4) {
    ArmedFixture f(kEventTomorrow, {timeAt(kSunday, 7, 0)}, true);
    f.program.window.noTrayMode = 1;
    EXPECT_EQ(f.pollMinute(timeAt(kSaturday, 7, 0)), 0);   // not its day
    EXPECT_EQ(f.pollMinute(timeAt(kSunday, 7, 0)), 1);
    EXPECT_EQ(f.platform.log, (std::vector<std::string>{"redraw", "sound beep.wav", "stop 3"}));
    EXPECT_EQ(f.program.window.schedulerActive, 0);
    EXPECT_EQ(f.program.settings.powerStatus, 1);
}

TEST(FireEvent, NextWithThreeDaysFiresOncePerDayAndDisarmsAfterTheLast) {
    ArmedFixture f(kEventNext, {timeAt(kMonday, 7, 0), timeAt(kWednesday, 7, 0), timeAt(kFriday, 7, 0)},
                   false, 0, 45);
    const LocalTime days[3] = {timeAt(kMonday, 7, 0, 0, 10), timeAt(kWednesday, 7, 0, 0, 12),
                               timeAt(kFriday, 7, 0, 0, 14)};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(f.pollMinute(days[i]), 1) << i;
        EXPECT_EQ(f.program.event.firedCount, i + 1);
        EXPECT_EQ(f.program.window.schedulerActive, i < 2 ? 1 : 0) << i;
    }
    // Timer 3 is stopped only by the last firing; each starts a 45-minute play.
    EXPECT_EQ(f.platform.linesStartingWith("stop 3").size(), 1u);
    EXPECT_EQ(f.platform.linesStartingWith("start 4 2700000").size(), 3u);
    EXPECT_EQ(f.platform.log.back(), "stop 3");
    EXPECT_EQ(f.pollMinute(timeAt(kMonday, 7, 0, 0, 17)), 0);   // disarmed
}

TEST(FireEvent, EveryStaysArmedAndFiresAgainNextWeek) {
    ArmedFixture f(kEventEvery, {timeAt(kMonday, 7, 0), timeAt(kWednesday, 7, 0), timeAt(kFriday, 7, 0)}, true);
    int firings = 0;
    for (int week = 0; week < 2; ++week)
        for (int d : {kMonday, kWednesday, kFriday})
            firings += f.pollMinute(timeAt(d, 7, 0, 0, 10 + week * 7 + d));
    EXPECT_EQ(firings, 6);
    EXPECT_EQ(f.program.window.schedulerActive, 1);
    EXPECT_TRUE(f.platform.linesStartingWith("stop 3").empty());
    EXPECT_EQ(f.program.event.firedCount, 0);
}

TEST(FireEvent, EveryKindFiresAtMostOncePerMinute) {
    for (EventKind kind : {kEventToday, kEventTomorrow, kEventEvery, kEventNext}) {
        ArmedFixture f(kind, {timeAt(kMonday, 12, 0), timeAt(2, 12, 0)}, true);
        EXPECT_EQ(f.pollMinute(timeAt(kMonday, 12, 0)), 1) << kind;
        EXPECT_EQ(f.pollMinute(timeAt(kMonday, 12, 1)), 0) << kind;
    }
}

TEST(FireEvent, AZeroPlayingTimeThatSlippedPastTheDialogDoesNotSwitchOffAtOnce) {
    // Unchecking "Play forever" on an armed event and cancelling leaves no time.
    ArmedFixture f(kEventToday, {timeAt(kMonday, 8, 15)}, false, 0, 0);
    EXPECT_EQ(f.pollMinute(timeAt(kMonday, 8, 15)), 1);
    EXPECT_TRUE(f.platform.linesStartingWith("start 4").empty());
}

TEST(PlayingTimeEnded, APlayingTimeLongerThanOneWindowTimerCanWaitRunsInPieces) {
    // 1193 hours 2 minutes, the longest accepted, are 4 294 920 000 ms: more
    // than the 2^31 - 1 ms a window timer waits before it cuts the wait short.
    ArmedFixture f(kEventEvery, {timeAt(kMonday, 8, 15)}, false, 1193, 2);
    EXPECT_EQ(f.pollMinute(timeAt(kMonday, 8, 15)), 1);
    EXPECT_EQ(f.platform.linesStartingWith("start 4"),
              (std::vector<std::string>{"start 4 2147483647"}));

    f.platform.log.clear();
    f.port.events.clear();
    playingTimeEnded(f.program);   // the first piece has run out: the radio plays on
    EXPECT_EQ(f.platform.log, (std::vector<std::string>{"start 4 2147436353"}));
    EXPECT_TRUE(f.port.events.empty());
    EXPECT_EQ(f.program.settings.powerStatus, 1);

    f.platform.log.clear();
    playingTimeEnded(f.program);   // the whole playing time is over
    EXPECT_EQ(f.platform.log.front(), "stop 4");
    EXPECT_FALSE(f.port.events.empty());
    EXPECT_EQ(f.program.settings.powerStatus, 0);

    // The next firing starts its playing time afresh, with no stale piece.
    f.program.event.playHours = 0;
    f.program.event.playMinutes = 45;
    EXPECT_EQ(f.pollMinute(timeAt(kMonday, 8, 15, 0, 15)), 1);
    f.port.events.clear();
    playingTimeEnded(f.program);
    EXPECT_FALSE(f.port.events.empty());
    EXPECT_EQ(f.program.settings.powerStatus, 0);
}

TEST(PlayingTimeEnded, ATickAfterTimer4WasStoppedIsIgnored) {
    // Closing the dialog on an armed event stops timer 4 and the radio plays
    // on; a tick already on its way must neither switch off nor start a hidden
    // remaining piece.
    for (uint32_t hours : {1193u, 1u}) {
        ArmedFixture f(kEventEvery, {timeAt(kMonday, 8, 15)}, false, hours, 2);
        EXPECT_EQ(f.pollMinute(timeAt(kMonday, 8, 15)), 1);
        f.platform.onDialog = [](DialogId) {};   // Cancel: the event stays armed
        schedulerCommand(f.program);
        f.platform.log.clear();
        f.port.events.clear();
        playingTimeEnded(f.program);
        EXPECT_TRUE(f.platform.log.empty()) << hours;
        EXPECT_TRUE(f.port.events.empty()) << hours;
        EXPECT_EQ(f.program.settings.powerStatus, 1);
    }
}

TEST(SchedulerPoll, DoesNothingWhileDisarmed) {
    ArmedFixture f(kEventEvery, {timeAt(kMonday, 8, 15)}, true);
    f.program.window.schedulerActive = 0;
    EXPECT_EQ(f.pollMinute(timeAt(kMonday, 8, 15)), 0);
    EXPECT_TRUE(f.platform.log.empty());
}

TEST(SchedulerPoll, TheTimerTickAsksThePlatformForTheTime) {
    ArmedFixture f(kEventEvery, {timeAt(kFriday, 18, 30)}, true);
    f.platform.now = timeAt(kFriday, 18, 29, 50);
    schedulerPollTick(f.program);
    EXPECT_TRUE(f.port.events.empty());
    f.platform.now = timeAt(kFriday, 18, 30, 5);
    schedulerPollTick(f.program);
    EXPECT_FALSE(f.port.events.empty());
    EXPECT_STREQ(f.program.window.currentFrequency, "101.5");
}

TEST(PlayingTimeEnded, SwitchesOffAndDisarmsOnlyOneTimeEvents) {
    struct Case { EventKind kind; int noTray; std::vector<std::string> log; int activeAfter; } cases[] = {
        {kEventToday, 0, {"stop 4", "redraw", "sound beep.wav", "tray update off Radio is OFF"}, 0},
        {kEventTomorrow, 1, {"stop 4", "redraw", "sound beep.wav"}, 0},
        {kEventEvery, 0, {"stop 4", "redraw", "sound beep.wav", "tray update off Radio is OFF"}, 1},
        {kEventNext, 0, {"stop 4", "redraw", "sound beep.wav", "tray update off Radio is OFF"}, 1},
    };
    for (const Case& c : cases) {
        ArmedFixture f(c.kind, {timeAt(kMonday, 8, 15)}, false, 1, 0);
        f.program.settings.powerStatus = 1;
        f.program.window.noTrayMode = c.noTray;
        f.program.event.playingTimeRunning = 1;   // timer 4 runs
        playingTimeEnded(f.program);
        EXPECT_EQ(f.platform.log, c.log) << c.kind;
        EXPECT_EQ(f.program.settings.powerStatus, 0);
        EXPECT_EQ(f.program.window.schedulerActive, c.activeAfter) << c.kind;
        RecordingPortIo expected;
        powerOffCard(expected, f.program.settings.ioPort);
        EXPECT_EQ(f.port.events, expected.events);
    }
}

}  // namespace

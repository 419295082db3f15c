// Sleep timer: periods, the dialog's OK and opening, command 1152, timer 5.
#include <gtest/gtest.h>
#include "card/port_protocol.h"
#include "tests/unit/timed_fixture.h"
#include "timed/sleep_timer.h"
#include "ui/main_window.h"

namespace {

SleepTimerDialogFields fieldsOf(const char* hours, const char* minutes, bool activate) {
    SleepTimerDialogFields f{};
    snprintf(f.hours, sizeof f.hours, "%s", hours);
    snprintf(f.minutes, sizeof f.minutes, "%s", minutes);
    f.activate = activate;
    return f;
}

TEST(TimedPeriod, MinutesBecomeMillisecondsUpToThe32BitLimit) {
    struct Case { uint32_t hours, minutes, expected; } cases[] = {
        {1, 30, 5400000u},
        {0, 45, 2700000u},
        {0, 1, 60000u},
        {1193, 2, 4294920000u},        // 71 582 minutes: the longest that fits
        {0, 71582, 4294920000u},
        {1193, 3, 0u},                 // 71 583 minutes would wrap
        {0, 71583, 0u},
        {0, 0, 0u},
        {UINT32_MAX, UINT32_MAX, 0u},  // no overflow in the sum either
        {71582, 0, 0u},
    };
    for (const Case& c : cases)
        EXPECT_EQ(timedPeriodMs(c.hours, c.minutes), c.expected) << c.hours << "h " << c.minutes << "m";
}

TEST(ReadUnsignedField, ReadsDigitsEmptyAsZeroAndSaturates) {
    struct Case { const char* text; uint32_t expected; } cases[] = {
        {"", 0}, {"0", 0}, {"  12", 12}, {"007", 7}, {"12abc", 12}, {"abc", 0}, {"-5", 0},
        {"65537", 65537}, {"4294967295", 4294967295u}, {"4294967296", 4294967295u},
        {"99999999999999999999999", 4294967295u},
    };
    for (const Case& c : cases) EXPECT_EQ(readUnsignedField(c.text), c.expected) << '"' << c.text << '"';
    EXPECT_EQ(readUnsignedField(nullptr), 0u);
}

TEST(SleepTimerDialogOk, StoresValidatesAndRefusesWithoutChangingAnything) {
    struct Case {
        const char* hours; const char* minutes; bool activate;
        bool close; const char* message;
        uint16_t storedHours, storedMinutes; int active;
    } cases[] = {
        {"1", "30", true, true, nullptr, 1, 30, 1},
        {"0", "45", true, true, nullptr, 0, 45, 1},
        {"65537", "0", true, true, nullptr, 1, 0, 1},            // kept in 16 bits
        {"1193", "2", true, true, nullptr, 1193, 2, 1},
        {"0", "0", false, true, nullptr, 0, 0, 0},               // disarms
        {"5", "0", false, true, nullptr, 5, 0, 0},
        {"0", "0", true, false, "Invalid Time!!", 7, 8, 1},
        {"", "", true, false, "Invalid Time!!", 7, 8, 1},
        {"65536", "0", true, false, "Invalid Time!!", 7, 8, 1},  // wraps to 0
        {"1193", "3", true, false, "too long", 7, 8, 1},
        {"1192", "6000", true, false, "too long", 7, 8, 1},
        {"0", "71583", true, true, nullptr, 0, 6047, 1},         // minutes wrap too
        {"4000", "0", true, false, "too long", 7, 8, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.hours) + "/" + c.minutes);
        TimedFixtureProgram f;
        f.program.sleep.sleepHours = 7;
        f.program.sleep.sleepMinutes = 8;
        f.program.window.sleepTimerActive = 1;
        const DialogVerdict v = sleepTimerDialogOk(f.program, fieldsOf(c.hours, c.minutes, c.activate));
        EXPECT_EQ(v.close, c.close);
        if (c.message == nullptr) {
            EXPECT_EQ(v.messageText, nullptr);
        } else {
            ASSERT_NE(v.messageText, nullptr);
            EXPECT_NE(std::string(v.messageText).find(c.message), std::string::npos) << v.messageText;
            EXPECT_STREQ(v.messageTitle, "Time Error");
        }
        EXPECT_EQ(f.program.sleep.sleepHours, c.storedHours);
        EXPECT_EQ(f.program.sleep.sleepMinutes, c.storedMinutes);
        EXPECT_EQ(f.program.window.sleepTimerActive, c.active);
    }
}

TEST(SleepTimerDialogOpening, ShowsTheEnteredTimeOnlyWhileArmed) {
    TimedFixtureProgram f;
    f.program.sleep.sleepHours = 1;
    f.program.sleep.sleepMinutes = 30;
    f.program.window.sleepTimerActive = 1;
    SleepTimerDialogFields fields;
    sleepTimerDialogOpening(f.program, fields);
    EXPECT_STREQ(fields.hours, "1");
    EXPECT_STREQ(fields.minutes, "30");
    EXPECT_TRUE(fields.activate);

    // Disarmed by Power: the values are kept but not shown.
    f.program.window.sleepTimerActive = 0;
    sleepTimerDialogOpening(f.program, fields);
    EXPECT_STREQ(fields.hours, "");
    EXPECT_STREQ(fields.minutes, "");
    EXPECT_FALSE(fields.activate);
}

// Command 1152 with the dialog answered by `user`; returns the platform's log.
std::vector<std::string> runSleepCommand(TimedFixtureProgram& f, const SleepTimerDialogFields* user) {
    f.platform.onDialog = [&](DialogId id) {
        ASSERT_EQ(id, kSleepTimerDialog);
        if (user != nullptr) {   // OK; nullptr is Cancel
            ASSERT_TRUE(sleepTimerDialogOk(f.program, *user).close);
        }
    };
    sleepTimerCommand(f.program);
    return f.platform.log;
}

TEST(SleepTimerCommand, ArmsRestartsOrStopsTimer5ThenRedraws) {
    struct Case {
        int activeBefore; const char* hours; const char* minutes; bool activate; bool cancel;
        std::vector<std::string> log; int activeAfter;
    } cases[] = {
        {0, "1", "30", true, false, {"dialog 202", "start 5 5400000", "redraw"}, 1},
        {0, "0", "45", true, false, {"dialog 202", "start 5 2700000", "redraw"}, 1},
        {1, "2", "0", false, false, {"dialog 202", "stop 5", "redraw"}, 0},
        // Cancel while armed starts the full period again.
        {1, "", "", false, true, {"dialog 202", "start 5 600000", "redraw"}, 1},
        {0, "", "", false, true, {"dialog 202", "stop 5", "redraw"}, 0},
    };
    for (const Case& c : cases) {
        TimedFixtureProgram f;
        f.program.sleep.sleepMinutes = 10;
        f.program.window.sleepTimerActive = c.activeBefore;
        const SleepTimerDialogFields user = fieldsOf(c.hours, c.minutes, c.activate);
        EXPECT_EQ(runSleepCommand(f, c.cancel ? nullptr : &user), c.log);
        EXPECT_EQ(f.program.window.sleepTimerActive, c.activeAfter);
    }
}

TEST(SleepTimerCommand, AnArmedFlagWithoutAValidTimeDoesNotSwitchOffAtOnce) {
    TimedFixtureProgram f;
    f.program.window.sleepTimerActive = 1;   // values 0: never accepted by the dialog
    EXPECT_EQ(runSleepCommand(f, nullptr), (std::vector<std::string>{"dialog 202", "stop 5", "redraw"}));
    EXPECT_EQ(f.program.window.sleepTimerActive, 0);
}

TEST(SleepTimerCommand, ATimeLongerThanOneWindowTimerCanWaitRunsInPieces) {
    // 700 hours are 2 520 000 000 ms; a window timer waits at most 2^31 - 1 ms
    // and cuts a longer wait short, which would switch off some 104 hours early.
    TimedFixtureProgram f;
    f.program.settings.powerStatus = 1;
    const SleepTimerDialogFields user = fieldsOf("700", "0", true);
    EXPECT_EQ(runSleepCommand(f, &user),
              (std::vector<std::string>{"dialog 202", "start 5 2147483647", "redraw"}));

    f.platform.log.clear();
    sleepTimerExpired(f.program);   // the first piece has run out: not yet
    EXPECT_EQ(f.platform.log, (std::vector<std::string>{"start 5 372516353"}));
    EXPECT_TRUE(f.port.events.empty());
    EXPECT_EQ(f.program.settings.powerStatus, 1);
    EXPECT_EQ(f.program.window.sleepTimerActive, 1);

    f.platform.log.clear();
    sleepTimerExpired(f.program);   // the whole 700 hours are over
    EXPECT_EQ(f.platform.linesStartingWith("stop 5").size(), 1u);
    EXPECT_FALSE(f.port.events.empty());
    EXPECT_EQ(f.program.settings.powerStatus, 0);
    EXPECT_EQ(f.program.window.sleepTimerActive, 0);

    // A later short sleep time is not followed by a stale second piece.
    f.platform.log.clear();
    f.port.events.clear();
    const SleepTimerDialogFields shortTime = fieldsOf("0", "1", true);
    runSleepCommand(f, &shortTime);
    sleepTimerExpired(f.program);
    EXPECT_FALSE(f.port.events.empty());
    EXPECT_EQ(f.program.window.sleepTimerActive, 0);
}

TEST(SleepTimerExpired, ATickAfterTimer5WasStoppedIsIgnored) {
    // A tick already on its way when timer 5 was stopped (by Power, or by the
    // dialog) must neither switch off nor start a hidden remaining piece.
    for (const char* hours : {"700", "1"}) {
        for (bool byPower : {true, false}) {
            SCOPED_TRACE(std::string(hours) + (byPower ? " power" : " dialog"));
            TimedFixtureProgram f;
            f.program.settings.powerStatus = 1;
            const SleepTimerDialogFields on = fieldsOf(hours, "0", true), off = fieldsOf("", "", false);
            runSleepCommand(f, &on);
            if (byPower) {
                onMainCommand(f.program, 1033);   // off, and on again
                onMainCommand(f.program, 1033);
            } else {
                runSleepCommand(f, &off);
            }
            f.platform.log.clear();
            f.port.events.clear();
            sleepTimerExpired(f.program);
            EXPECT_TRUE(f.platform.log.empty());
            EXPECT_TRUE(f.port.events.empty());
            EXPECT_EQ(f.program.settings.powerStatus, 1);
        }
    }
}

TEST(SleepTimerExpired, SwitchesOffClearsTheTimeAndUpdatesTheTray) {
    for (int powerBefore : {1, 0}) {
        for (int noTray : {0, 1}) {
            SCOPED_TRACE(powerBefore * 10 + noTray);
            TimedFixtureProgram f;
            f.program.settings.powerStatus = powerBefore;
            f.program.window.noTrayMode = noTray;
            f.program.window.sleepTimerActive = 1;
            f.program.sleep.sleepHours = 1;
            f.program.sleep.sleepMinutes = 30;
            sleepTimerExpired(f.program);

            // The switch-off goes to the card even when the radio is already off.
            RecordingPortIo expected;
            powerOffCard(expected, f.program.settings.ioPort);
            EXPECT_FALSE(expected.events.empty());
            EXPECT_EQ(f.port.events, expected.events);

            std::vector<std::string> log = {"stop 5"};
            if (!noTray) log.push_back("tray update off Radio is OFF");
            log.push_back("redraw");   // and no beep
            EXPECT_EQ(f.platform.log, log);
            EXPECT_EQ(f.program.settings.powerStatus, 0);
            EXPECT_EQ(f.program.window.sleepTimerActive, 0);
            EXPECT_EQ(f.program.sleep.sleepHours, 0);
            EXPECT_EQ(f.program.sleep.sleepMinutes, 0);

            SleepTimerDialogFields reopened;
            sleepTimerDialogOpening(f.program, reopened);
            EXPECT_STREQ(reopened.hours, "");
            EXPECT_FALSE(reopened.activate);
        }
    }
}

}  // namespace

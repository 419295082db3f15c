// End-to-end tests of the Options dialog, the event scheduler and the sleep
// timer of tunrix-virtual.exe under Wine: what the dialogs show and refuse,
// what their OK does to the card, the panel, the title, the tray and radio.ini,
// and the timers running out on the real clock.
#include "clock_runs.h"

using namespace e2e;

// ==== On the clock (armed first, checked last) ===================================

TEST_CASE("timed", timed_events_and_sleep_timer_are_armed_and_shown) {
    ClockRuns& c = clockRuns();
    armClockRuns(E2E_HERE);
    if (!c.armed) return;
    CHECK_MARK(c.today.t.window, kClockMark, true);
    CHECK_MARK(c.disarmed.t.window, kClockMark, false);
    CHECK_MARK(c.every.t.window, kClockMark, true);
    CHECK_MARK(c.next.t.window, kClockMark, true);
    CHECK_MARK(c.sleeper.t.window, kSleepZMark, true);
    CHECK_MARK(c.sleeper.t.window, kClockMark, true);
    CHECK_LAMP(c.sleeper.t.window, true);
    takeScreenshot("panels-with-clock-and-z");
}

// ==== Options ====================================================================

// The dialog shows the stored values; OK with nothing touched stores them back
// as shown, which turns values the dialog cannot show into its defaults.
TEST_CASE("timed", options_open_with_the_stored_values_and_ok_keeps_them) {
    struct Case {
        const char* name;
        LineChanges file;        // the file at start
        void (*adjust)(OptionsView&);
        LineChanges written;     // the file after OK and Exit
    };
    const LineChanges changed = {{"[BUTTON BEEPS]\n1", "[BUTTON BEEPS]\n0"}, {"CYCLE_DURATION]\n10", "CYCLE_DURATION]\n5"},
                                 {"CYCLE_FLAG]\n0", "CYCLE_FLAG]\n1"}, {"[TITLEBAR_FLAG]\n1", "[TITLEBAR_FLAG]\n0"},
                                 {"\n20f", "\n30f"}, {"\nCountry\n", "\nCountry  Roads \n"}};
    const Case cases[] = {
        {"the example", {}, [](OptionsView&) {}, {}},
        {"minutes, 0x30C, no beeps, no title", changed,
         [](OptionsView& v) {
             v.buttonBeeps = false;
             v.duration = "5";
             v.seconds = false;
             v.minutes = true;
             v.titleBar = false;
             v.port20C = false;
             v.port30C = true;
             v.description[6] = "Country  Roads ";
         },
         changed},
        // No unit checked: OK stores minutes. A port no card has reads as 0x20F.
        {"unknown unit and port", {{"CYCLE_FLAG]\n0", "CYCLE_FLAG]\n2"}, {"\n20f", "\n2ff"}},
         [](OptionsView& v) { v.seconds = false; },
         {{"CYCLE_FLAG]\n0", "CYCLE_FLAG]\n1"}}},
    };
    for (const Case& c : cases) {
        note(c.name);
        Tunrix t;
        if (!startShown(t, example(c.file), E2E_HERE)) return;
        HWND dialog = openDialog(t, IDC_OPTIONS, kOptionsCaption, E2E_HERE);
        if (!dialog) return;
        CHECK(isCentredOnScreen(dialog));
        OptionsView want = exampleOptions();
        c.adjust(want);
        checkOptionsShow(dialog, want, E2E_HERE);
        if (&c == &cases[0]) takeScreenshot("options-dialog");
        if (!checkOkCloses(t.program.processId, dialog, E2E_HERE)) return;
        CHECK_EXIT_WRITES(t, example(c.written));
        CHECK_NO_CARD_LOG(t);
    }
}

TEST_CASE("timed", options_ok_with_0x30c_moves_the_card_to_port_0x30f) {
    Tunrix t;
    if (!startShown(t, kExampleIni, E2E_HERE)) return;
    CHECK(clickControl(t.window, IDC_VOLUME_UP));
    CHECK_CARD_LOG(t.dir, {kVolumeUpLine});
    HWND dialog = openDialog(t, IDC_OPTIONS, kOptionsCaption, E2E_HERE);
    if (!dialog) return;
    CHECK(isChecked(dialog, IDC_OPTIONS_PORT_20C) && !isChecked(dialog, IDC_OPTIONS_PORT_30C));
    CHECK(pressButton(dialog, IDC_OPTIONS_PORT_30C));
    CHECK(!isChecked(dialog, IDC_OPTIONS_PORT_20C) && isChecked(dialog, IDC_OPTIONS_PORT_30C));
    if (!checkOkCloses(t.program.processId, dialog, E2E_HERE)) return;
    // The dialog sends nothing itself; the next operations go to the new port.
    CHECK_CARD_LOG(t.dir, {kVolumeUpLine});
    CHECK(clickControl(t.window, IDC_PRESET_1 + 1));
    CHECK(clickControl(t.window, IDC_POWER));
    CHECK_CARD_LOG(t.dir, {kVolumeUpLine, tuneLine(4104, "0x30f"), "0x30f off"});
    CHECK_EXIT_WRITES(t, example({{"[LAST STATION]\n101.1", "[LAST STATION]\n091.9"},
                                  {"[POWER STATUS]\n1", "[POWER STATUS]\n0"}, {"\n20f", "\n30f"}}));
}

// Rounds of edits to the current preset (6) with the title option on and off;
// the title follows at once, the tooltip and the next press use the new
// frequency, and radio.ini keeps what the fields hold, cut to their widths.
TEST_CASE("timed", options_edits_reach_title_tooltip_card_and_radio_ini) {
    struct Round {
        const char* frequency;    // preset 6
        const char* description;  // preset 6
        bool titleBar;
        const char* title;
    };
    const Round rounds[] = {
        {"102.3", "Evening Jazz", true, "Tunrix - Evening Jazz"},
        {"102.3", "", true, "Tunrix - "},
        {"102.3", "Late Show", false, "Tunrix"},
    };
    const std::string longDescription(100, 'd');
    Tunrix t;
    if (!startShown(t, quietExample(), E2E_HERE)) return;
    CHECK_TITLE(t.window, "Tunrix - Oldies");
    CHECK_TIP(t.window, IDC_PRESET_1 + 5, "FM 101.1");
    for (const Round& r : rounds) {
        note(std::string("title ") + visible(r.title));
        HWND dialog = openDialog(t, IDC_OPTIONS, kOptionsCaption, E2E_HERE);
        if (!dialog) return;
        CHECK(setControlText(dialog, IDC_OPTIONS_FREQUENCY_1 + 10, r.frequency));
        CHECK(setControlText(dialog, IDC_OPTIONS_DESCRIPTION_1 + 10, r.description));
        CHECK(setChecked(dialog, IDC_OPTIONS_TITLE_BAR, r.titleBar));
        // Over-long texts are kept to the fields' widths.
        CHECK(setControlText(dialog, IDC_OPTIONS_CYCLE_DURATION, "12345"));
        CHECK(setControlText(dialog, IDC_OPTIONS_FREQUENCY_1 + 16, "107.30000000"));
        CHECK(setControlText(dialog, IDC_OPTIONS_DESCRIPTION_10, longDescription));
        if (&r == &rounds[0]) takeScreenshot("options-dialog-edited");
        if (!checkOkCloses(t.program.processId, dialog, E2E_HERE)) return;
        CHECK_TITLE(t.window, r.title);
    }
    // Opening again shows what OK stored.
    HWND dialog = openDialog(t, IDC_OPTIONS, kOptionsCaption, E2E_HERE);
    if (!dialog) return;
    CHECK_EQ(controlText(dialog, IDC_OPTIONS_CYCLE_DURATION), "1234");
    CHECK_EQ(controlText(dialog, IDC_OPTIONS_FREQUENCY_1 + 16), "107.30000");
    CHECK_EQ(controlText(dialog, IDC_OPTIONS_DESCRIPTION_10), longDescription.substr(0, 80));
    checkCancelCloses(dialog, E2E_HERE);

    CHECK_TIP(t.window, IDC_PRESET_1 + 5, "FM 102.3");
    CHECK(clickControl(t.window, IDC_PRESET_1 + 5));
    CHECK_CARD_LOG(t.dir, {tuneLine(4520)});
    CHECK_CELLS(t.window, "1023");
    CHECK_EXIT_WRITES(t, quietExample({{"[LAST STATION]\n101.1", "[LAST STATION]\n102.3"},
                                       {"\n101.1\n103.5\n105.9\n107.3\n", "\n102.3\n103.5\n105.9\n107.30000\n"},
                                       {"\nOldies\n", "\nLate Show\n"},
                                       {"\nN/A\n", "\n" + longDescription.substr(0, 80) + "\n"},
                                       {"CYCLE_DURATION]\n10", "CYCLE_DURATION]\n1234"},
                                       {"[TITLEBAR_FLAG]\n1", "[TITLEBAR_FLAG]\n0"}}));
}

TEST_CASE("timed", options_cancel_changes_nothing) {
    Tunrix t;
    if (!startShown(t, kExampleIni, E2E_HERE)) return;
    HWND dialog = openDialog(t, IDC_OPTIONS, kOptionsCaption, E2E_HERE);
    if (!dialog) return;
    for (int id : {IDC_OPTIONS_RUN_IN_TRAY, IDC_OPTIONS_BUTTON_BEEPS, IDC_OPTIONS_TITLE_BAR, IDC_OPTIONS_MINUTES,
                   IDC_OPTIONS_PORT_30C})
        CHECK(pressButton(dialog, id));
    for (int i = 0; i < 10; ++i) {
        CHECK(setControlText(dialog, IDC_OPTIONS_FREQUENCY_1 + 2 * i, "100.0"));
        CHECK(setControlText(dialog, IDC_OPTIONS_DESCRIPTION_1 + 2 * i, "changed"));
    }
    CHECK(setControlText(dialog, IDC_OPTIONS_CYCLE_DURATION, "99"));
    OptionsView edited = readOptions(dialog);
    CHECK(edited.runInTray && !edited.buttonBeeps && !edited.titleBar && edited.minutes && edited.port30C);
    checkCancelCloses(dialog, E2E_HERE);
    CHECK_TITLE(t.window, "Tunrix - Oldies");
    CHECK_CAPTION(t.window, IDC_EXIT, "E&xit");
    Sleep(300);
    CHECK(!trayIconExists(t.window, ID_TRAY_ICON));

    dialog = openDialog(t, IDC_OPTIONS, kOptionsCaption, E2E_HERE);
    if (!dialog) return;
    checkOptionsShow(dialog, exampleOptions(), E2E_HERE);
    checkCancelCloses(dialog, E2E_HERE);
    CHECK(clickControl(t.window, IDC_VOLUME_UP));
    CHECK_CARD_LOG(t.dir, {kVolumeUpLine});
    CHECK_EXIT_WRITES(t, kExampleIni);
}

TEST_CASE("timed", options_run_in_tray_adds_and_removes_the_icon) {
    Tunrix t;
    if (!startShown(t, kExampleIni, E2E_HERE)) return;
    CHECK(!trayIconExists(t.window, ID_TRAY_ICON));
    CHECK_TIP(t.window, IDC_EXIT, "Exit Tunrix");

    if (!setRunInTray(t, openDialog(t, IDC_OPTIONS, kOptionsCaption, E2E_HERE), true, E2E_HERE)) return;
    CHECK_TRAY_ICON(t.window, ID_TRAY_ICON, true);
    CHECK_CAPTION(t.window, IDC_EXIT, "&Hide");
    CHECK_TIP(t.window, IDC_EXIT, "Hide Console");

    // The Exit button now only hides the window; Restore brings it back.
    CHECK(clickControl(t.window, IDC_EXIT));
    CHECK_SHOWN(t.window, false);
    CHECK_EQ(static_cast<long long>(waitForExit(t.program, 300)), STILL_ACTIVE);
    CHECK(clickControl(t.window, IDM_RESTORE));
    CHECK_SHOWN(t.window, true);

    if (!setRunInTray(t, openDialog(t, IDC_OPTIONS, kOptionsCaption, E2E_HERE), false, E2E_HERE)) return;
    CHECK_TRAY_ICON(t.window, ID_TRAY_ICON, false);
    CHECK_CAPTION(t.window, IDC_EXIT, "E&xit");

    // On again, and the popup menu's Exit saves the tray state.
    if (!setRunInTray(t, openDialog(t, IDC_OPTIONS, kOptionsCaption, E2E_HERE), true, E2E_HERE)) return;
    CHECK_TRAY_ICON(t.window, ID_TRAY_ICON, true);
    postClick(t.window, IDM_EXIT);
    CHECK_ENDS_WRITING(t, example({{"[TRAY STATUS]\n0", "[TRAY STATUS]\n1"}}));
}

// Options chosen while the window is hidden in the tray: without the icon
// the window would be out of reach, so it is shown.
TEST_CASE("timed", options_removing_the_icon_while_hidden_shows_the_window) {
    Tunrix t;
    if (!startInTray(t, quietExample({{"[TRAY STATUS]\n0", "[TRAY STATUS]\n1"}}), E2E_HERE)) return;
    // Start-up finishes its card operations before it shows the window; a
    // hidden start is given the same time.
    Sleep(700);
    CHECK(!IsWindowVisible(t.window));
    if (!setRunInTray(t, openDialog(t, IDC_OPTIONS, kOptionsCaption, E2E_HERE), false, E2E_HERE)) return;
    CHECK_SHOWN(t.window, true);
    CHECK_TRAY_ICON(t.window, ID_TRAY_ICON, false);
    CHECK_CAPTION(t.window, IDC_EXIT, "E&xit");
    CHECK_EXIT_WRITES(t, quietExample());
}

// ==== Scheduler ==================================================================

// Every check of OK refuses with its message and keeps the dialog open; a
// refused OK followed by Cancel arms nothing.
TEST_CASE("timed", scheduler_refuses_bad_events_and_cancel_then_arms_nothing) {
    Tunrix t;
    if (!startShown(t, quietExample(), E2E_HERE)) return;
    const DWORD pid = t.program.processId;
    HWND dialog = openDialog(t, IDC_TIMER, kSchedulerCaption, E2E_HERE);
    if (!dialog) return;
    CHECK(isCentredOnScreen(dialog));
    checkSchedulerShows(dialog, kDefaultEvent, E2E_HERE);

    // Tomorrow at 07:30 PM, with what each row changes.
    struct Refusal {
        const char* name;
        bool playForever;
        const char* playHours;
        const char* playMinutes;
        const char* station;
        HWND owner;  // the station's range message has no owner
        const char* title;
        const char* text;
    };
    const Refusal refusals[] = {
        {"no playing time", false, "0", "0", "99.9", dialog, "Incomplete Data", "I don't know how long to play!"},
        {"71 583 minutes", false, "1193", "3", "99.9", dialog, "Time Error",
         "Time too long!! The playing time can be at most 1193 hours 2 minutes."},
        {"station 120.0", true, "1", "0", "120.0", nullptr, "Error", "Frequency out of Range!\n"},
    };
    for (const Refusal& r : refusals) {
        note(r.name);
        fillScheduler(dialog, {IDC_SCHEDULER_TOMORROW, {}, 6, true, 30, r.station, r.playForever, r.playHours,
                               r.playMinutes, true}, E2E_HERE);
        checkOkRefused(pid, dialog, r.owner, r.title, r.text, E2E_HERE);
    }

    // Today at the present minute, and at the hour before.
    waitForRoomInMinute(5);
    SYSTEMTIME now = localNow();
    EventInput today = {IDC_SCHEDULER_TODAY, {}, hourIndexOf(now.wHour), isPm(now.wHour), now.wMinute, "99.9",
                        true, "1", "0", true};
    note("today at the present minute");
    fillScheduler(dialog, today, E2E_HERE);
    checkOkRefused(pid, dialog, dialog, "Time Error", "Minute has already passed!", E2E_HERE, "scheduler-refusal");
    if (now.wHour > 0) {
        note("today at the hour before");
        today.hourIndex = hourIndexOf(now.wHour - 1);
        today.pm = isPm(now.wHour - 1);
        today.minute = 59;
        fillScheduler(dialog, today, E2E_HERE);
        checkOkRefused(pid, dialog, dialog, "Time Error", "Hour has already passed!", E2E_HERE);
    } else {
        note("no hour before midnight's: that case is left out");
    }
    checkCancelCloses(dialog, E2E_HERE);

    // Nothing was armed: no clock, the dialog opens unarmed, nothing is played.
    CHECK_MARK(t.window, kClockMark, false);
    if (!checkSchedulerDialogShows(t, kDefaultEvent, E2E_HERE)) return;
    CHECK_NO_CARD_LOG(t);
    CHECK_EXIT_WRITES(t, quietExample());
}

// Events of every kind are shown again as stored (12-hour list and AM/PM
// included); Cancel keeps an event armed; OK with "Activate Timer" unchecked
// disarms it and the next opening shows the defaults.
TEST_CASE("timed", scheduler_shows_armed_events_and_unchecked_activate_disarms) {
    SYSTEMTIME now = localNow();
    // Days that are not today, so that no event can come due during the test.
    int today = dayIndexOf(now.wDayOfWeek);
    int later2 = (today + 2) % 7, later4 = (today + 4) % 7, later3 = (today + 3) % 7;
    std::vector<int> everyDays = {later2 < later4 ? later2 : later4, later2 < later4 ? later4 : later2};
    const EventInput events[] = {
        {IDC_SCHEDULER_TOMORROW, {}, 11, false, 5, "88.5", true, "", "", true},        // 12 AM: hour 0
        {IDC_SCHEDULER_EVERY, everyDays, 11, true, 30, "101.1", false, "1", "30", true},  // 12 PM: hour 12
        {IDC_SCHEDULER_NEXT, {later3}, 0, true, 59, "107.9", false, "0", "45", true},     // 01 PM: hour 13
    };
    Tunrix t;
    if (!startShown(t, quietExample(), E2E_HERE)) return;
    CHECK_MARK(t.window, kClockMark, false);
    for (const EventInput& e : events) {
        note("event at list hour " + std::to_string(e.hourIndex + 1) + (e.pm ? " PM" : " AM"));
        if (!armEvent(t, e, E2E_HERE, &e == &events[1] ? "scheduler-dialog" : nullptr)) return;
        CHECK_MARK(t.window, kClockMark, true);
        // Shown as stored; Cancel keeps it armed.
        if (!checkSchedulerDialogShows(t, e, E2E_HERE)) return;
        CHECK_MARK(t.window, kClockMark, true);
    }
    // The last one again with Activate Timer unchecked.
    EventInput disarm = events[2];
    disarm.activate = false;
    if (!armEvent(t, disarm, E2E_HERE)) return;
    CHECK_MARK(t.window, kClockMark, false);
    if (!checkSchedulerDialogShows(t, kDefaultEvent, E2E_HERE)) return;
    CHECK_NO_CARD_LOG(t);
    CHECK_EXIT_WRITES(t, quietExample());
}

// ==== Sleep timer ================================================================

TEST_CASE("timed", sleep_timer_refuses_bad_times_shows_z_while_armed_and_power_disarms) {
    Tunrix t;
    if (!startShown(t, quietExample(), E2E_HERE)) return;
    const DWORD pid = t.program.processId;
    HWND dialog = openDialog(t, IDC_SLEEP, kSleepCaption, E2E_HERE);
    if (!dialog) return;
    CHECK(isCentredOnScreen(dialog));
    checkSleepShows(dialog, "", "", false, E2E_HERE);
    struct Refusal {
        const char* hours;
        const char* minutes;
        const char* text;
    };
    const Refusal refusals[] = {
        {"0", "0", "Invalid Time!!"},
        {"", "", "Invalid Time!!"},
        {"1193", "3", "Time too long!! The sleep time can be at most 1193 hours 2 minutes."},
    };
    for (const Refusal& r : refusals) {
        fillSleep(dialog, r.hours, r.minutes, true, E2E_HERE);
        checkOkRefused(pid, dialog, dialog, "Time Error", r.text, E2E_HERE);
    }
    checkCancelCloses(dialog, E2E_HERE);
    CHECK_MARK(t.window, kSleepZMark, false);
    // A refused OK and Cancel armed nothing.
    if (!checkSleepDialogShows(t, "", "", false, E2E_HERE)) return;

    // What OK stores, and what the dialog shows when it opens again: hours
    // are kept in 16 bits (65 537 is 1); an unchecked Activate disarms.
    struct Setting {
        const char* hours;
        const char* minutes;
        bool activate;
        const char* shownHours;
        const char* shownMinutes;
    };
    const Setting settings[] = {
        {"2", "15", true, "2", "15"}, {"65537", "0", true, "1", "0"}, {"1", "0", false, "", ""},
        {"0", "30", true, "0", "30"},
    };
    for (const Setting& s : settings) {
        if (!setSleep(t, s.hours, s.minutes, s.activate, E2E_HERE)) return;
        CHECK_MARK(t.window, kSleepZMark, s.activate);
        checkSleepDialogShows(t, s.shownHours, s.shownMinutes, s.activate, E2E_HERE,
                              &s == &settings[0] ? "sleep-timer-dialog" : nullptr);
        CHECK_MARK(t.window, kSleepZMark, s.activate);
    }

    // Power switches the radio off and disarms the timer.
    CHECK(clickControl(t.window, IDC_POWER));
    CHECK_MARK(t.window, kSleepZMark, false);
    CHECK_CARD_LOG(t.dir, {kOffLine});
    if (!checkSleepDialogShows(t, "", "", false, E2E_HERE)) return;
    postClick(t.window, IDC_EXIT);
    CHECK_EXITS_WITH_ZERO(t);
}

// ==== On the clock ===============================================================

// The first test of the group armed them; this last one checks them.
TEST_CASE("timed", timed_events_and_sleep_timer_run_out_on_the_clock) {
    ClockRuns& c = clockRuns();
    if (!c.armed) {
        note("not armed by the first test of the group: arming now");
        armClockRuns(E2E_HERE);
    }
    for (ClockRun* run : c.all()) endAfterThisTest(run->t.program);
    if (!c.armed) return;

    // Until the switch-offs have come and the target minute is over (an
    // Every event must not fire twice in it), at most 200 s from arming.
    bool finished = waitUntil([&]() {
        SYSTEMTIME now = localNow();
        bool minuteOver = now.wHour * 60 + now.wMinute > c.targetHour * 60 + c.targetMinute;
        return minuteOver && cardLogLines(c.today.t.dir).size() >= 2 && cardLogLines(c.sleeper.t.dir).size() >= 1;
    }, static_cast<int>(200000 - (GetTickCount() - c.armedAt)), 250);
    CHECK(finished);
    stopWatching();
    note("waited " + std::to_string((GetTickCount() - c.armedAt) / 1000) + " s after arming");

    // Today: tuned in its minute within one poll, off one minute later; the
    // event disarmed itself as it fired.
    CHECK_CARD_LOG(c.today.t.dir, {tuneLine(4000), kOffLine});
    if (CHECK_EQ(static_cast<long long>(c.today.seen.size()), 2)) {
        const SYSTEMTIME& tuned = c.today.seen[0].clock;
        note("today event tuned at " + clockText(tuned));
        CHECK_EQ(tuned.wHour, c.targetHour);
        CHECK_EQ(tuned.wMinute, c.targetMinute);
        CHECK(tuned.wSecond <= 18);  // one poll, and some slack on a busy machine
        DWORD played = c.today.seen[1].tick - c.today.seen[0].tick;
        note("today event played " + std::to_string(played) + " ms");
        CHECK(played >= 59000 && played <= 62500);
    }
    CHECK_MARK(c.today.t.window, kClockMark, false);
    CHECK_LAMP(c.today.t.window, false);
    CHECK_CELLS(c.today.t.window, " 893");

    // Sleeper: off one minute after OK; the Z goes, the event's clock stays.
    CHECK_CARD_LOG(c.sleeper.t.dir, {kOffLine});
    if (CHECK_EQ(static_cast<long long>(c.sleeper.seen.size()), 1)) {
        DWORD slept = c.sleeper.seen[0].tick - c.sleepArmedAt;
        note("sleep timer ran " + std::to_string(slept) + " ms");
        CHECK(slept >= 59000 && slept <= 62500);
    }
    CHECK_MARK(c.sleeper.t.window, kSleepZMark, false);
    CHECK_MARK(c.sleeper.t.window, kClockMark, true);
    CHECK_LAMP(c.sleeper.t.window, false);
    takeScreenshot("panels-after-the-timers");
    checkSleepDialogShows(c.sleeper.t, "", "", false, E2E_HERE);

    // Disarmed: nothing at all.
    CHECK_NO_CARD_LOG(c.disarmed.t);
    CHECK_MARK(c.disarmed.t.window, kClockMark, false);
    // Every: once in its minute, and still armed; Next with one day: once, then disarmed.
    CHECK_CARD_LOG(c.every.t.dir, {tuneLine(4248)});
    CHECK_MARK(c.every.t.window, kClockMark, true);
    CHECK_LAMP(c.every.t.window, true);
    CHECK_CARD_LOG(c.next.t.dir, {tuneLine(4584)});
    CHECK_MARK(c.next.t.window, kClockMark, false);
    for (ClockRun* run : {&c.every, &c.next}) {
        if (!run->seen.empty()) note("every/next fired at " + clockText(run->seen[0].clock));
    }

    for (ClockRun* run : {&c.sleeper, &c.today}) {
        postClick(run->t.window, IDC_EXIT);
        CHECK_EXITS_WITH_ZERO(run->t);
        CHECK(iniOf(run->t).find("[POWER STATUS]\r\n0\r\n") != std::string::npos);
    }
    c.armed = false;
}

// ==== Windows NT 3.51: no tray ======================================================

// Without a notification area the Run in Tray box is never shown checked, OK
// stores it off whatever the box says, and no icon comes or goes.
TEST_CASE("timed-nt351", options_never_turn_the_tray_on_without_a_notification_area) {
    Tunrix t;
    const std::string ini = quietExample({{"[TRAY STATUS]\n0", "[TRAY STATUS]\n1"}});
    if (!startShown(t, ini, E2E_HERE)) return;
    for (int round = 0; round < 2; ++round) {
        if (!setRunInTray(t, openDialog(t, IDC_OPTIONS, kOptionsCaption, E2E_HERE), true, E2E_HERE)) return;
        Sleep(300);
        CHECK(!trayIconExists(t.window, ID_TRAY_ICON));
        CHECK_CAPTION(t.window, IDC_EXIT, "E&xit");
    }
    // Exit still ends the program; the file keeps the tray status it had.
    CHECK_EXIT_WRITES(t, ini);
}

// The dialogs of tunrix's main window; see tunrix_dialogs.h.
#include "tunrix_dialogs.h"

#include <cstdio>

namespace e2e {

// ---- Jump and About ------------------------------------------------------------

bool jumpTo(const Tunrix& t, HWND jump, const char* text) {
    setControlText(jump, IDC_JUMP_FREQUENCY, text);
    pressOk(jump);
    return waitForNoWindow(t.program.processId, ofClass(kDialogClass).ownedBy(t.window), 3000);
}

void checkJumpRefuses(const Tunrix& t, HWND jump, const char* text, Where where) {
    note(std::string("Jump refuses ") + visible(text));
    setControlText(jump, IDC_JUMP_FREQUENCY, text);
    checkOkRefused(t.program.processId, jump, jump, "Error", "Invalid FM Frequency!", where);
    checkEqual(controlText(jump, IDC_JUMP_FREQUENCY), text, "Jump field", where);
}

void checkAboutShows(HWND about, Where where) {
    bool version = false, designed = false;
    HWND label = nullptr;
    for (HWND c = GetWindow(about, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        const std::string text = windowText(c);
        version = version || text == "Tunrix Version 2.3";
        designed = designed || text == "Designed for";
        if (text == "Designed for") label = c;
    }
    check(version, "the About dialog shows \"Tunrix Version 2.3\"", where);
    check(designed, "the About dialog shows \"Designed for\"", where);
    checkEqual(controlText(about, IDC_ABOUT_SYSTEM), "Windows NT", "the system", where);
    // "Designed for" and "Windows NT" stand side by side on one line.
    HWND system = GetDlgItem(about, IDC_ABOUT_SYSTEM);
    if (check(label != nullptr && system != nullptr, "both texts are there", where)) {
        RECT a, b;
        GetWindowRect(label, &a);
        GetWindowRect(system, &b);
        check(b.left >= a.right - 2 && b.top == a.top, "\"Windows NT\" stands right of \"Designed for\"", where);
    }
}

// ---- Options ------------------------------------------------------------------------

OptionsView readOptions(HWND dialog) {
    OptionsView v;
    v.runInTray = isChecked(dialog, IDC_OPTIONS_RUN_IN_TRAY);
    v.buttonBeeps = isChecked(dialog, IDC_OPTIONS_BUTTON_BEEPS);
    v.seconds = isChecked(dialog, IDC_OPTIONS_SECONDS);
    v.minutes = isChecked(dialog, IDC_OPTIONS_MINUTES);
    v.port20C = isChecked(dialog, IDC_OPTIONS_PORT_20C);
    v.port30C = isChecked(dialog, IDC_OPTIONS_PORT_30C);
    v.titleBar = isChecked(dialog, IDC_OPTIONS_TITLE_BAR);
    v.duration = controlText(dialog, IDC_OPTIONS_CYCLE_DURATION);
    for (int i = 0; i < 10; ++i) {
        v.frequency[i] = controlText(dialog, IDC_OPTIONS_FREQUENCY_1 + 2 * i);
        v.description[i] = controlText(dialog, IDC_OPTIONS_DESCRIPTION_1 + 2 * i);
    }
    return v;
}

OptionsView exampleOptions() {
    static const char* const kFrequencies[10] = {"088.5", "091.9", "094.7", "097.1", "099.5",
                                                 "101.1", "103.5", "105.9", "107.3", "88.0"};
    static const char* const kDescriptions[10] = {"Jazz",   "News",    "Classical", "Talk",   "Rock",
                                                  "Oldies", "Country", "College",   "Sports", "N/A"};
    OptionsView v = {false, true, true, false, true, false, true, "10", {}, {}};
    for (int i = 0; i < 10; ++i) {
        v.frequency[i] = kFrequencies[i];
        v.description[i] = kDescriptions[i];
    }
    return v;
}

void checkOptionsShow(HWND dialog, const OptionsView& want, Where where) {
    OptionsView v = readOptions(dialog);
    checkEqual(v.runInTray, want.runInTray, "Run in Tray checked", where);
    checkEqual(v.buttonBeeps, want.buttonBeeps, "Button Beeps checked", where);
    checkEqual(v.seconds, want.seconds, "Seconds checked", where);
    checkEqual(v.minutes, want.minutes, "Minutes checked", where);
    checkEqual(v.port20C, want.port20C, "0x20C checked", where);
    checkEqual(v.port30C, want.port30C, "0x30C checked", where);
    checkEqual(v.titleBar, want.titleBar, "title bar box checked", where);
    checkEqual(v.duration, want.duration, "dwell edit", where);
    for (int i = 0; i < 10; ++i) {
        checkEqual(v.frequency[i], want.frequency[i], ("station edit " + std::to_string(i + 1)).c_str(), where);
        checkEqual(v.description[i], want.description[i], ("description edit " + std::to_string(i + 1)).c_str(),
                   where);
    }
}

bool setRunInTray(const Tunrix& t, HWND options, bool on, Where where) {
    if (!options) return false;
    checkEqual(isChecked(options, IDC_OPTIONS_RUN_IN_TRAY), !on, "Run in Tray checked before the click", where);
    check(pressButton(options, IDC_OPTIONS_RUN_IN_TRAY), "Run in Tray clicked", where);
    checkEqual(isChecked(options, IDC_OPTIONS_RUN_IN_TRAY), on, "Run in Tray checked after the click", where);
    return checkOkCloses(t.program.processId, options, where);
}

// ---- The clock --------------------------------------------------------------------

SYSTEMTIME localNow() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return now;
}

std::string clockText(const SYSTEMTIME& t) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", t.wHour, t.wMinute, t.wSecond);
    return text;
}

void waitForRoomInMinute(int seconds) {
    for (;;) {
        SYSTEMTIME now = localNow();
        bool lastMinuteOfDay = now.wHour == 23 && now.wMinute == 59;
        if (now.wSecond < 60 - seconds && !lastMinuteOfDay) return;
        note("waiting for the next minute");
        WORD minute = now.wMinute;
        waitUntil([&]() { return localNow().wMinute != minute; }, 70000, 100);
        Sleep(300);
    }
}

int hourIndexOf(int hour) { return hour % 12 == 0 ? 11 : hour % 12 - 1; }
bool isPm(int hour) { return hour >= 12; }
int dayIndexOf(int dayOfWeek) { return dayOfWeek == 0 ? 6 : dayOfWeek - 1; }

// ---- Scheduler -------------------------------------------------------------------

const EventInput kDefaultEvent = {IDC_SCHEDULER_TODAY, {}, 0, false, 0, "99.9", true, "1", "0", false};

static bool usesDays(int kind) { return kind == IDC_SCHEDULER_EVERY || kind == IDC_SCHEDULER_NEXT; }

void fillScheduler(HWND dialog, const EventInput& in, Where where) {
    check(pressButton(dialog, in.kind), "occurrence button clicked", where);
    if (usesDays(in.kind))
        check(selectListItems(dialog, IDC_SCHEDULER_DAYS, in.days.data(), static_cast<int>(in.days.size())),
              "days selected", where);
    check(selectListItem(dialog, IDC_SCHEDULER_HOURS, in.hourIndex), "hour selected", where);
    check(selectListItem(dialog, IDC_SCHEDULER_MINUTES, in.minute), "minute selected", where);
    check(pressButton(dialog, in.pm ? IDC_SCHEDULER_PM : IDC_SCHEDULER_AM), "AM/PM clicked", where);
    check(setControlText(dialog, IDC_SCHEDULER_STATION, in.station), "station typed", where);
    check(setChecked(dialog, IDC_SCHEDULER_PLAY_FOREVER, in.playForever), "Play forever set", where);
    if (!in.playForever) {
        check(setControlText(dialog, IDC_SCHEDULER_PLAY_HOURS, in.playHours), "playing hours typed", where);
        check(setControlText(dialog, IDC_SCHEDULER_PLAY_MINUTES, in.playMinutes), "playing minutes typed", where);
    }
    check(setChecked(dialog, IDC_SCHEDULER_ACTIVATE, in.activate), "Activate Timer set", where);
}

void checkSchedulerShows(HWND dialog, const EventInput& in, Where where) {
    const int kinds[4] = {IDC_SCHEDULER_TODAY, IDC_SCHEDULER_TOMORROW, IDC_SCHEDULER_EVERY, IDC_SCHEDULER_NEXT};
    for (int id : kinds)
        checkEqual(isChecked(dialog, id), id == in.kind, ("occurrence button " + std::to_string(id)).c_str(), where);
    checkEqual(isEnabled(dialog, IDC_SCHEDULER_DAYS), usesDays(in.kind), "day list enabled", where);
    for (int day = 0; day < 7; ++day) {
        bool wanted = false;
        for (int d : in.days) wanted = wanted || d == day;
        checkEqual(isListItemSelected(dialog, IDC_SCHEDULER_DAYS, day), wanted,
                   ("day " + std::to_string(day) + " selected").c_str(), where);
    }
    checkEqual(listSelection(dialog, IDC_SCHEDULER_HOURS), in.hourIndex, "hour list selection", where);
    checkEqual(listSelection(dialog, IDC_SCHEDULER_MINUTES), in.minute, "minute list selection", where);
    checkEqual(isChecked(dialog, IDC_SCHEDULER_AM), !in.pm, "AM checked", where);
    checkEqual(isChecked(dialog, IDC_SCHEDULER_PM), in.pm, "PM checked", where);
    checkEqual(controlText(dialog, IDC_SCHEDULER_STATION), in.station, "station", where);
    checkEqual(isChecked(dialog, IDC_SCHEDULER_PLAY_FOREVER), in.playForever, "Play forever checked", where);
    checkEqual(isEnabled(dialog, IDC_SCHEDULER_PLAY_HOURS), !in.playForever, "playing hours enabled", where);
    checkEqual(isEnabled(dialog, IDC_SCHEDULER_PLAY_MINUTES), !in.playForever, "playing minutes enabled", where);
    checkEqual(controlText(dialog, IDC_SCHEDULER_PLAY_HOURS), in.playHours, "playing hours", where);
    checkEqual(controlText(dialog, IDC_SCHEDULER_PLAY_MINUTES), in.playMinutes, "playing minutes", where);
    checkEqual(isChecked(dialog, IDC_SCHEDULER_ACTIVATE), in.activate, "Activate Timer checked", where);
}

bool armEvent(const Tunrix& t, const EventInput& in, Where where, const char* screenshot) {
    HWND dialog = openDialog(t, IDC_TIMER, kSchedulerCaption, where);
    if (!dialog) return false;
    fillScheduler(dialog, in, where);
    if (screenshot) takeScreenshot(screenshot);
    return checkOkCloses(t.program.processId, dialog, where);
}

bool checkSchedulerDialogShows(const Tunrix& t, const EventInput& in, Where where) {
    HWND dialog = openDialog(t, IDC_TIMER, kSchedulerCaption, where);
    if (!dialog) return false;
    checkSchedulerShows(dialog, in, where);
    checkCancelCloses(dialog, where);
    return true;
}

// ---- Sleep timer -------------------------------------------------------------------

void fillSleep(HWND dialog, const char* hours, const char* minutes, bool activate, Where where) {
    check(setControlText(dialog, IDC_SLEEP_TIMER_HOURS, hours), "sleep hours typed", where);
    check(setControlText(dialog, IDC_SLEEP_TIMER_MINUTES, minutes), "sleep minutes typed", where);
    check(setChecked(dialog, IDC_SLEEP_TIMER_ACTIVATE, activate), "Activate set", where);
}

void checkSleepShows(HWND dialog, const char* hours, const char* minutes, bool activate, Where where) {
    checkEqual(controlText(dialog, IDC_SLEEP_TIMER_HOURS), hours, "sleep hours", where);
    checkEqual(controlText(dialog, IDC_SLEEP_TIMER_MINUTES), minutes, "sleep minutes", where);
    checkEqual(isChecked(dialog, IDC_SLEEP_TIMER_ACTIVATE), activate, "Activate checked", where);
}

bool setSleep(const Tunrix& t, const char* hours, const char* minutes, bool activate, Where where) {
    HWND dialog = openDialog(t, IDC_SLEEP, kSleepCaption, where);
    if (!dialog) return false;
    fillSleep(dialog, hours, minutes, activate, where);
    return checkOkCloses(t.program.processId, dialog, where);
}

bool checkSleepDialogShows(const Tunrix& t, const char* hours, const char* minutes, bool activate, Where where,
                           const char* screenshot) {
    HWND dialog = openDialog(t, IDC_SLEEP, kSleepCaption, where);
    if (!dialog) return false;
    checkSleepShows(dialog, hours, minutes, activate, where);
    if (screenshot) takeScreenshot(screenshot);
    checkCancelCloses(dialog, where);
    return true;
}

}  // namespace e2e

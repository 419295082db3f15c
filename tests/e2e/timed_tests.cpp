// End-to-end tests of the Options dialog, the event scheduler and the sleep
// timer of tunrix-virtual.exe under Wine: what the dialogs show and refuse,
// what their OK does to the card, the panel, the title, the tray and radio.ini,
// and the timers running out on the real clock.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "app_driver.h"
#include "dialog_driver.h"
#include "e2e_cleanup.h"
#include "e2e_test.h"
#include "screenshot.h"
#include "tunrix_fixture.h"

using namespace e2e;

namespace {

// ---- Ids ---------------------------------------------------------------------

// Main window, besides the shared ids.
enum { kTimer = 1124, kSleep = 1152 };

// Options dialog.
enum {
    kRunInTray = 1066, kButtonBeeps = 1065, kCycleDuration = 1070, kSeconds = 1091, kMinutes = 1092,
    kPort20C = 1095, kPort30C = 1096, kTitleBar = 1094, kFrequency1 = 5000, kDescription1 = 5001
};

// Scheduler dialog.
enum {
    kToday = 1113, kTomorrow = 1114, kEvery = 1115, kNext = 1116, kDays = 1118, kHours = 1120,
    kMinuteList = 1133, kAm = 5050, kPm = 5051, kActivateTimer = 1148, kStation = 1136,
    kPlayHours = 1146, kPlayMinutes = 1147, kPlayForever = 1142
};

// Sleep timer dialog.
enum { kSleepHours = 1153, kSleepMinutes = 1092, kSleepActivate = 1148 };

const char kOptionsCaption[] = "Tunrix Options";
const char kSchedulerCaption[] = "Tunrix Scheduler";
const char kSleepCaption[] = "Tunrix Sleep Timer";

// ---- Fixture -------------------------------------------------------------------

// The example without button beeps: the timed runs need no sound.
std::string quietExample(LineChanges changes = {}) {
    changes.insert(changes.begin(), {"[BUTTON BEEPS]\n1", "[BUTTON BEEPS]\n0"});
    return example(changes);
}

// The clock and the sleep Z where the panel shows them.
#define CHECK_CLOCK(window, shown) checkPanelImage((window), 16, 27, kClock, (shown), "the clock", E2E_HERE)
#define CHECK_Z(window, shown) checkPanelImage((window), 17, 10, kSleepZ, (shown), "the sleep Z", E2E_HERE)

void moveWindow(HWND window, int x, int y) {
    SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Opens a dialog of the main window; fails the test when it does not come.
HWND open(const Tunrix& t, int command, const char* caption, Where where) {
    HWND dialog = openDialog(t.window, command, t.program.processId, caption);
    check(dialog != nullptr, std::string("dialog ") + visible(caption) + " opens", where);
    return dialog;
}

// OK that must close the dialog. A message box instead is a failure that
// names its text; the box is answered and the dialog cancelled.
bool okCloses(const Tunrix& t, HWND dialog, Where where) {
    postClick(dialog, IDOK);
    DialogSeen box;
    HWND found = nullptr;
    waitUntil([&]() {
        if (!IsWindow(dialog)) return true;
        for (HWND w : topWindowsOf(t.program.processId, "#32770")) {
            if (w != dialog && IsWindowVisible(w)) found = w;
        }
        return found != nullptr;
    }, 5000);
    if (found) {
        waitForMessageBox(t.program.processId, dialog, 1000, box);
        std::string texts;
        for (const std::string& text : box.texts) texts += " " + visible(text);
        check(false, "OK was refused: " + visible(box.title) + texts, where);
        pressOk(box.window);
        waitForWindowGone(box.window);
        postClick(dialog, IDCANCEL);
        waitForWindowGone(dialog);
        return false;
    }
    return check(!IsWindow(dialog), "OK closes the dialog", where);
}

// OK that must be refused with a message box: checks its title and text,
// answers it and checks that the dialog stays open.
void okIsRefused(const Tunrix& t, HWND dialog, const char* title, const std::string& text, Where where,
                 const char* screenshot = nullptr) {
    postClick(dialog, IDOK);
    DialogSeen box;
    if (!check(waitForMessageBox(t.program.processId, dialog, 5000, box), "a message box comes up", where)) return;
    checkEqual(box.title, title, "message box title", where);
    checkEqual(box.texts.empty() ? "" : box.texts[0], text, "message box text", where);
    check(box.buttons.size() == 1 && box.buttons[0] == "OK", "the box has one button, OK", where);
    if (screenshot) {
        Sleep(700);  // the box paints itself after it shows
        takeScreenshot(screenshot);
    }
    pressOk(box.window);
    check(waitForWindowGone(box.window), "the box closes", where);
    Sleep(200);
    check(IsWindow(dialog) && IsWindowVisible(dialog), "the dialog stays open", where);
}

void cancel(HWND dialog, Where where) {
    postClick(dialog, IDCANCEL);
    check(waitForWindowGone(dialog), "Cancel closes the dialog", where);
}

// The text of the tooltip that comes up when the mouse rests on a control of
// the main window; "" when none comes up.
std::string tooltipOver(const Tunrix& t, int controlId) {
    HWND control = GetDlgItem(t.window, controlId);
    RECT r;
    if (!control || !GetWindowRect(control, &r)) return "";
    // Away first, so the tooltip control sees the mouse come in.
    SetCursorPos(0, GetSystemMetrics(SM_CYSCREEN) - 1);
    Sleep(200);
    POINT centre = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    SetCursorPos(centre.x, centre.y);
    POINT inControl = centre;
    ScreenToClient(control, &inControl);
    // One move as the control would get it from the mouse; every further
    // move would start the tooltip's delay afresh.
    PostMessageA(control, WM_MOUSEMOVE, 0, MAKELPARAM(inControl.x, inControl.y));
    std::string text;
    waitUntil([&]() {
        for (HWND w : topWindowsOf(t.program.processId, "tooltips_class32")) {
            if (IsWindowVisible(w)) text = windowText(w);
        }
        return !text.empty();
    }, 4000, 100);
    SetCursorPos(0, GetSystemMetrics(SM_CYSCREEN) - 1);
    return text;
}

// ---- Clock ---------------------------------------------------------------------

SYSTEMTIME localNow() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return now;
}

// Waits while the clock is within `seconds` of the next minute (or in the
// last minute of the day), so that a test's minute stays the present one.
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

// Hour list index ("01" = 0 ... "12" = 11) and PM for a 24-hour hour.
int hourIndexOf(int hour) { return hour % 12 == 0 ? 11 : hour % 12 - 1; }
bool isPm(int hour) { return hour >= 12; }
// Day list index (0 = Monday ... 6 = Sunday) of a day of the week (0 = Sunday).
int dayIndexOf(int dayOfWeek) { return dayOfWeek == 0 ? 6 : dayOfWeek - 1; }

// ---- Scheduler dialog ------------------------------------------------------------

// What the scheduler dialog is set to, or is expected to show.
struct EventInput {
    int kind;                  // kToday, kTomorrow, kEvery, kNext
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

const int kKindIds[4] = {kToday, kTomorrow, kEvery, kNext};

bool usesDays(int kind) { return kind == kEvery || kind == kNext; }

void fillScheduler(HWND dialog, const EventInput& in, Where where) {
    check(pressButton(dialog, in.kind), "occurrence button clicked", where);
    if (usesDays(in.kind))
        check(selectListItems(dialog, kDays, in.days.data(), static_cast<int>(in.days.size())), "days selected",
              where);
    check(selectListItem(dialog, kHours, in.hourIndex), "hour selected", where);
    check(selectListItem(dialog, kMinuteList, in.minute), "minute selected", where);
    check(pressButton(dialog, in.pm ? kPm : kAm), "AM/PM clicked", where);
    check(setControlText(dialog, kStation, in.station), "station typed", where);
    check(setChecked(dialog, kPlayForever, in.playForever), "Play forever set", where);
    if (!in.playForever) {
        check(setControlText(dialog, kPlayHours, in.playHours), "playing hours typed", where);
        check(setControlText(dialog, kPlayMinutes, in.playMinutes), "playing minutes typed", where);
    }
    check(setChecked(dialog, kActivateTimer, in.activate), "Activate Timer set", where);
}

void checkSchedulerShows(HWND dialog, const EventInput& in, Where where) {
    for (int id : kKindIds) {
        char what[48];
        std::snprintf(what, sizeof what, "occurrence button %d checked", id);
        checkEqual(isChecked(dialog, id), id == in.kind, what, where);
    }
    checkEqual(isEnabled(dialog, kDays), usesDays(in.kind), "day list enabled", where);
    for (int day = 0; day < 7; ++day) {
        bool wanted = false;
        for (int d : in.days) wanted = wanted || d == day;
        char what[48];
        std::snprintf(what, sizeof what, "day %d selected", day);
        checkEqual(isListItemSelected(dialog, kDays, day), wanted, what, where);
    }
    checkEqual(listSelection(dialog, kHours), in.hourIndex, "hour list selection", where);
    checkEqual(listSelection(dialog, kMinuteList), in.minute, "minute list selection", where);
    checkEqual(isChecked(dialog, kAm), !in.pm, "AM checked", where);
    checkEqual(isChecked(dialog, kPm), in.pm, "PM checked", where);
    checkEqual(controlText(dialog, kStation), in.station, "station", where);
    checkEqual(isChecked(dialog, kPlayForever), in.playForever, "Play forever checked", where);
    checkEqual(isEnabled(dialog, kPlayHours), !in.playForever, "playing hours enabled", where);
    checkEqual(isEnabled(dialog, kPlayMinutes), !in.playForever, "playing minutes enabled", where);
    checkEqual(controlText(dialog, kPlayHours), in.playHours, "playing hours", where);
    checkEqual(controlText(dialog, kPlayMinutes), in.playMinutes, "playing minutes", where);
    checkEqual(isChecked(dialog, kActivateTimer), in.activate, "Activate Timer checked", where);
}

// What the dialog shows for an event that is not armed.
const EventInput kDefaultEvent = {kToday, {}, 0, false, 0, "99.9", true, "1", "0", false};

// Arms an event in a running tunrix; the dialog must accept it.
bool armEvent(const Tunrix& t, const EventInput& in, Where where) {
    HWND dialog = open(t, kTimer, kSchedulerCaption, where);
    if (!dialog) return false;
    fillScheduler(dialog, in, where);
    return okCloses(t, dialog, where);
}

// Opens the scheduler, checks that it shows no armed event, and cancels it.
bool checkSchedulerUnarmed(const Tunrix& t, Where where) {
    HWND dialog = open(t, kTimer, kSchedulerCaption, where);
    if (!dialog) return false;
    checkSchedulerShows(dialog, kDefaultEvent, where);
    cancel(dialog, where);
    return true;
}

// Nothing reached the card; the Exit button then ends the program with 0.
void exitHavingPlayedNothing(Tunrix& t, Where where) {
    check(!fileExists(joinPath(t.dir, "card.log")), "nothing reached the card", where);
    postClick(t.window, kExit);
    checkExitsWithZero(t, where);
}

// ---- Sleep timer dialog ----------------------------------------------------------

void fillSleep(HWND dialog, const char* hours, const char* minutes, bool activate, Where where) {
    check(setControlText(dialog, kSleepHours, hours), "sleep hours typed", where);
    check(setControlText(dialog, kSleepMinutes, minutes), "sleep minutes typed", where);
    check(setChecked(dialog, kSleepActivate, activate), "Activate set", where);
}

void checkSleepShows(HWND dialog, const char* hours, const char* minutes, bool activate, Where where) {
    checkEqual(controlText(dialog, kSleepHours), hours, "sleep hours", where);
    checkEqual(controlText(dialog, kSleepMinutes), minutes, "sleep minutes", where);
    checkEqual(isChecked(dialog, kSleepActivate), activate, "Activate checked", where);
}

// Opens the sleep timer, checks that it shows no armed timer, and cancels it.
bool checkSleepUnarmed(const Tunrix& t, Where where) {
    HWND dialog = open(t, kSleep, kSleepCaption, where);
    if (!dialog) return false;
    checkSleepShows(dialog, "", "", false, where);
    cancel(dialog, where);
    return true;
}

// ---- Options dialog ------------------------------------------------------------

// The Options dialog's controls as read from outside.
struct OptionsView {
    bool runInTray, buttonBeeps, seconds, minutes, port20C, port30C, titleBar;
    std::string duration;
    std::string frequency[10];
    std::string description[10];
};

OptionsView readOptions(HWND dialog) {
    OptionsView v;
    v.runInTray = isChecked(dialog, kRunInTray);
    v.buttonBeeps = isChecked(dialog, kButtonBeeps);
    v.seconds = isChecked(dialog, kSeconds);
    v.minutes = isChecked(dialog, kMinutes);
    v.port20C = isChecked(dialog, kPort20C);
    v.port30C = isChecked(dialog, kPort30C);
    v.titleBar = isChecked(dialog, kTitleBar);
    v.duration = controlText(dialog, kCycleDuration);
    for (int i = 0; i < 10; ++i) {
        v.frequency[i] = controlText(dialog, kFrequency1 + 2 * i);
        v.description[i] = controlText(dialog, kDescription1 + 2 * i);
    }
    return v;
}

const char* const kExampleFrequencies[10] = {"088.5", "091.9", "094.7", "097.1", "099.5",
                                             "101.1", "103.5", "105.9", "107.3", "88.0"};
const char* const kExampleDescriptions[10] = {"Jazz",   "News",    "Classical", "Talk",   "Rock",
                                              "Oldies", "Country", "College",   "Sports", "N/A"};

OptionsView exampleOptions() {
    OptionsView v = {false, true, true, false, true, false, true, "10", {}, {}};
    for (int i = 0; i < 10; ++i) {
        v.frequency[i] = kExampleFrequencies[i];
        v.description[i] = kExampleDescriptions[i];
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


// ---- Programs that run on the clock across the group -------------------------------

// A card.log line as the watcher saw it appear.
struct LineSeen {
    DWORD tick;
    SYSTEMTIME clock;
};

struct ClockRun {
    Tunrix t;
    std::vector<LineSeen> seen;  // filled by the watcher thread, read after it stopped
};

// Five programs at once, so that the minutes of waiting are shared:
//  sleeper   - sleep timer of 1 minute, and a Tomorrow event (clock and Z);
//  today     - Today event at the next minute (or the one after), playing 1 minute;
//  disarmed  - the same Today event, disarmed again by unchecked Activate;
//  every     - Every event on today's day at the same minute, playing forever;
//  next      - Next event on today's day at the same minute, playing forever.
struct ClockRuns {
    bool armed = false;
    ClockRun sleeper, today, disarmed, every, next;
    int targetHour = 0, targetMinute = 0;
    DWORD armedAt = 0;
    DWORD sleepArmedAt = 0;
    HANDLE watcher = nullptr;
    volatile LONG stop = 0;
    std::vector<ClockRun*> all() { return {&sleeper, &today, &disarmed, &every, &next}; }
};

ClockRuns& clockRuns() {
    static ClockRuns runs;
    return runs;
}

std::string clockText(const SYSTEMTIME& t) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", t.wHour, t.wMinute, t.wSecond);
    return text;
}

// Notes the time at which each card.log line appears, every 200 ms, while
// the other tests of the group run.
// One more look is taken after the stop: the test stops the watcher as soon
// as it sees the last line itself, which may be before the watcher's next look.
DWORD WINAPI watchCardLogs(void*) {
    ClockRuns& c = clockRuns();
    for (;;) {
        const bool last = InterlockedCompareExchange(&c.stop, 0, 0) != 0;
        for (ClockRun* run : c.all()) {
            size_t lines = cardLogLines(run->t.dir).size();
            while (run->seen.size() < lines) run->seen.push_back(LineSeen{GetTickCount(), localNow()});
        }
        if (last) return 0;
        Sleep(200);
    }
}

void stopWatching() {
    ClockRuns& c = clockRuns();
    if (!c.watcher) return;
    InterlockedExchange(&c.stop, 1);
    WaitForSingleObject(c.watcher, 5000);
    CloseHandle(c.watcher);
    c.watcher = nullptr;
}

// Places a window away from the middle of the screen, where the dialogs and
// the main windows of the other tests come up.
const POINT kCorners[5] = {{0, 0}, {610, 0}, {0, 150}, {0, 610}, {610, 610}};

void armClockRuns(Where where) {
    ClockRuns& c = clockRuns();
    c.armed = false;
    // The Today event needs its OK before its minute, and the others theirs
    // in time to be due in it: with less than 25 s left, the minute after.
    waitForRoomInMinute(0);
    SYSTEMTIME now = localNow();
    int ahead = now.wSecond < 35 ? 1 : 2;
    int target = now.wHour * 60 + now.wMinute + ahead;
    if (target >= 24 * 60) {
        // Not across midnight: wait for the new day.
        waitUntil([]() { return localNow().wHour == 0; }, 200000, 500);
        now = localNow();
        target = now.wHour * 60 + now.wMinute + 1;
    }
    c.targetHour = target / 60;
    c.targetMinute = target % 60;
    char targetText[16];
    std::snprintf(targetText, sizeof targetText, "%02d:%02d", c.targetHour, c.targetMinute);
    note(std::string("events at ") + targetText);

    EventInput todayEvent = {kToday, {}, hourIndexOf(c.targetHour), isPm(c.targetHour), c.targetMinute, "89.3",
                             false, "0", "1", true};
    EventInput everyEvent = {kEvery, {dayIndexOf(now.wDayOfWeek)}, hourIndexOf(c.targetHour), isPm(c.targetHour),
                             c.targetMinute, "95.5", true, "1", "0", true};
    EventInput nextEvent = everyEvent;
    nextEvent.kind = kNext;
    nextEvent.station = "103.9";
    struct Scheduled {
        ClockRun* run;
        const EventInput* event;
    };
    const Scheduled scheduled[] = {
        {&c.today, &todayEvent}, {&c.disarmed, &todayEvent}, {&c.every, &everyEvent}, {&c.next, &nextEvent}};
    int corner = 0;
    for (const Scheduled& s : scheduled) {
        if (!startTunrix(s.run->t, withCrLf(quietExample()), true, where, true)) return;
        moveWindow(s.run->t.window, kCorners[corner].x, kCorners[corner].y);
        ++corner;
        if (!armEvent(s.run->t, *s.event, where)) return;
    }
    HWND dialog = open(c.disarmed.t, kTimer, kSchedulerCaption, where);
    if (!dialog) return;
    check(pressButton(dialog, kActivateTimer), "Activate Timer unchecked", where);
    if (!okCloses(c.disarmed.t, dialog, where)) return;
    SYSTEMTIME armedAt = localNow();
    note("events armed at " + clockText(armedAt));
    check(armedAt.wHour * 60 + armedAt.wMinute < target, "the events were armed before their minute", where);

    // The sleep timer does not depend on the minute: it comes last.
    if (!startTunrix(c.sleeper.t, withCrLf(quietExample()), true, where, true)) return;
    moveWindow(c.sleeper.t.window, kCorners[4].x, kCorners[4].y);
    dialog = open(c.sleeper.t, kSleep, kSleepCaption, where);
    if (!dialog) return;
    fillSleep(dialog, "0", "1", true, where);
    if (!okCloses(c.sleeper.t, dialog, where)) return;
    c.sleepArmedAt = GetTickCount();
    const EventInput tomorrowEvent = {kTomorrow, {}, 6, false, 0, "99.9", true, "", "", true};
    if (!armEvent(c.sleeper.t, tomorrowEvent, where)) return;

    for (ClockRun* run : c.all()) run->seen.clear();
    InterlockedExchange(&c.stop, 0);
    c.watcher = CreateThread(nullptr, 0, watchCardLogs, nullptr, 0, nullptr);
    c.armedAt = GetTickCount();
    c.armed = check(c.watcher != nullptr, "the card.log watcher runs", where);
}

}  // namespace

// ==== On the clock (armed first, checked last) ===================================

TEST_CASE("timed", timed_events_and_sleep_timer_are_armed_and_shown) {
    ClockRuns& c = clockRuns();
    armClockRuns(E2E_HERE);
    if (!c.armed) return;
    CHECK_CLOCK(c.today.t.window, true);
    CHECK_CLOCK(c.disarmed.t.window, false);
    CHECK_CLOCK(c.every.t.window, true);
    CHECK_CLOCK(c.next.t.window, true);
    CHECK_Z(c.sleeper.t.window, true);
    CHECK_CLOCK(c.sleeper.t.window, true);
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
    const Case cases[] = {
        {"the example", {}, [](OptionsView&) {}, {}},
        {"minutes, 0x30C, no beeps, no title",
         {{"[BUTTON BEEPS]\n1", "[BUTTON BEEPS]\n0"}, {"CYCLE_DURATION]\n10", "CYCLE_DURATION]\n5"},
          {"CYCLE_FLAG]\n0", "CYCLE_FLAG]\n1"}, {"[TITLEBAR_FLAG]\n1", "[TITLEBAR_FLAG]\n0"}, {"\n20f", "\n30f"},
          {"\nCountry\n", "\nCountry  Roads \n"}},
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
         {{"[BUTTON BEEPS]\n1", "[BUTTON BEEPS]\n0"}, {"CYCLE_DURATION]\n10", "CYCLE_DURATION]\n5"},
          {"CYCLE_FLAG]\n0", "CYCLE_FLAG]\n1"}, {"[TITLEBAR_FLAG]\n1", "[TITLEBAR_FLAG]\n0"}, {"\n20f", "\n30f"},
          {"\nCountry\n", "\nCountry  Roads \n"}}},
        // Neither unit nor port checked: OK stores minutes and 0x30C.
        {"unknown unit and port", {{"CYCLE_FLAG]\n0", "CYCLE_FLAG]\n2"}, {"\n20f", "\n2ff"}},
         [](OptionsView& v) {
             v.seconds = false;
             v.port20C = false;
         },
         {{"CYCLE_FLAG]\n0", "CYCLE_FLAG]\n1"}, {"\n20f", "\n30f"}}},
    };
    for (const Case& c : cases) {
        note(c.name);
        Tunrix t;
        if (!startTunrix(t, withCrLf(example(c.file)), true, E2E_HERE)) return;
        HWND dialog = open(t, kOptions, kOptionsCaption, E2E_HERE);
        if (!dialog) return;
        CHECK(isCentredOnScreen(dialog));
        OptionsView want = exampleOptions();
        c.adjust(want);
        checkOptionsShow(dialog, want, E2E_HERE);
        if (&c == &cases[0]) takeScreenshot("options-dialog");
        if (!okCloses(t, dialog, E2E_HERE)) return;
        postClick(t.window, kExit);
        CHECK_EXITS_WITH_ZERO(t);
        CHECK_EQ(iniOf(t), withCrLf(example(c.written)));
        CHECK(!fileExists(joinPath(t.dir, "card.log")));
    }
}

TEST_CASE("timed", options_ok_with_0x30c_moves_the_card_to_port_0x30f) {
    Tunrix t;
    if (!startTunrix(t, withCrLf(kExampleIni), true, E2E_HERE)) return;
    CHECK(clickControl(t.window, kVolumeUp));
    CHECK_CARD_LOG(t.dir, {"0x20f volume up"});
    HWND dialog = open(t, kOptions, kOptionsCaption, E2E_HERE);
    if (!dialog) return;
    CHECK(isChecked(dialog, kPort20C) && !isChecked(dialog, kPort30C));
    CHECK(pressButton(dialog, kPort30C));
    CHECK(!isChecked(dialog, kPort20C) && isChecked(dialog, kPort30C));
    if (!okCloses(t, dialog, E2E_HERE)) return;
    // The dialog sends nothing itself; the next operations go to the new port.
    CHECK_CARD_LOG(t.dir, {"0x20f volume up"});
    CHECK(clickControl(t.window, kPreset1 + 1));
    CHECK(clickControl(t.window, kPower));
    CHECK_CARD_LOG(t.dir, {"0x20f volume up", tuneLine(4104, "0x30f"), "0x30f off"});
    postClick(t.window, kExit);
    CHECK_EXITS_WITH_ZERO(t);
    CHECK_EQ(iniOf(t), withCrLf(example({{"[LAST STATION]\n101.1", "[LAST STATION]\n091.9"},
                                         {"[POWER STATUS]\n1", "[POWER STATUS]\n0"},
                                         {"\n20f", "\n30f"}})));
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
    if (!startTunrix(t, withCrLf(quietExample()), true, E2E_HERE)) return;
    CHECK_TITLE(t.window, "Tunrix - Oldies");
    CHECK_EQ(tooltipOver(t, kPreset1 + 5), std::string("FM 101.1"));
    for (const Round& r : rounds) {
        note(std::string("title ") + visible(r.title));
        HWND dialog = open(t, kOptions, kOptionsCaption, E2E_HERE);
        if (!dialog) return;
        CHECK(setControlText(dialog, kFrequency1 + 10, r.frequency));
        CHECK(setControlText(dialog, kDescription1 + 10, r.description));
        CHECK(setChecked(dialog, kTitleBar, r.titleBar));
        // Over-long texts are kept to the fields' widths.
        CHECK(setControlText(dialog, kCycleDuration, "12345"));
        CHECK(setControlText(dialog, kFrequency1 + 16, "107.30000000"));
        CHECK(setControlText(dialog, kDescription1 + 18, longDescription));
        if (&r == &rounds[0]) takeScreenshot("options-dialog-edited");
        if (!okCloses(t, dialog, E2E_HERE)) return;
        CHECK_TITLE(t.window, r.title);
    }
    // Opening again shows what OK stored.
    HWND dialog = open(t, kOptions, kOptionsCaption, E2E_HERE);
    if (!dialog) return;
    CHECK_EQ(controlText(dialog, kCycleDuration), std::string("1234"));
    CHECK_EQ(controlText(dialog, kFrequency1 + 16), std::string("107.30000"));
    CHECK_EQ(controlText(dialog, kDescription1 + 18), longDescription.substr(0, 80));
    cancel(dialog, E2E_HERE);

    CHECK_EQ(tooltipOver(t, kPreset1 + 5), std::string("FM 102.3"));
    CHECK(clickControl(t.window, kPreset1 + 5));
    CHECK_CARD_LOG(t.dir, {tuneLine(4520)});
    CHECK_CELLS(t.window, "1023");
    postClick(t.window, kExit);
    CHECK_EXITS_WITH_ZERO(t);
    CHECK_EQ(iniOf(t), withCrLf(quietExample({{"[LAST STATION]\n101.1", "[LAST STATION]\n102.3"},
                                              {"\n101.1\n103.5\n105.9\n107.3\n", "\n102.3\n103.5\n105.9\n107.30000\n"},
                                              {"\nOldies\n", "\nLate Show\n"},
                                              {"\nN/A\n", "\n" + longDescription.substr(0, 80) + "\n"},
                                              {"CYCLE_DURATION]\n10", "CYCLE_DURATION]\n1234"},
                                              {"[TITLEBAR_FLAG]\n1", "[TITLEBAR_FLAG]\n0"}})));
}

TEST_CASE("timed", options_cancel_changes_nothing) {
    Tunrix t;
    if (!startTunrix(t, withCrLf(kExampleIni), true, E2E_HERE)) return;
    HWND dialog = open(t, kOptions, kOptionsCaption, E2E_HERE);
    if (!dialog) return;
    const int boxes[] = {kRunInTray, kButtonBeeps, kTitleBar, kMinutes, kPort30C};
    for (int id : boxes) CHECK(pressButton(dialog, id));
    for (int i = 0; i < 10; ++i) {
        CHECK(setControlText(dialog, kFrequency1 + 2 * i, "100.0"));
        CHECK(setControlText(dialog, kDescription1 + 2 * i, "changed"));
    }
    CHECK(setControlText(dialog, kCycleDuration, "99"));
    OptionsView edited = readOptions(dialog);
    CHECK(edited.runInTray && !edited.buttonBeeps && !edited.titleBar && edited.minutes && edited.port30C);
    cancel(dialog, E2E_HERE);
    CHECK_TITLE(t.window, "Tunrix - Oldies");
    CHECK_EQ(controlText(t.window, kExit), std::string("E&xit"));
    Sleep(300);
    CHECK(!trayIconExists(t.window, kTrayIconId));

    dialog = open(t, kOptions, kOptionsCaption, E2E_HERE);
    if (!dialog) return;
    checkOptionsShow(dialog, exampleOptions(), E2E_HERE);
    cancel(dialog, E2E_HERE);
    CHECK(clickControl(t.window, kVolumeUp));
    CHECK_CARD_LOG(t.dir, {"0x20f volume up"});
    postClick(t.window, kExit);
    CHECK_EXITS_WITH_ZERO(t);
    CHECK_EQ(iniOf(t), withCrLf(kExampleIni));
}

TEST_CASE("timed", options_run_in_tray_adds_and_removes_the_icon) {
    Tunrix t;
    if (!startTunrix(t, withCrLf(kExampleIni), true, E2E_HERE)) return;
    CHECK(!trayIconExists(t.window, kTrayIconId));
    CHECK_EQ(tooltipOver(t, kExit), std::string("Exit Tunrix"));

    HWND dialog = open(t, kOptions, kOptionsCaption, E2E_HERE);
    if (!dialog) return;
    CHECK(!isChecked(dialog, kRunInTray));
    CHECK(pressButton(dialog, kRunInTray));
    if (!okCloses(t, dialog, E2E_HERE)) return;
    CHECK(waitUntil([&]() { return trayIconExists(t.window, kTrayIconId); }, 3000));
    CHECK(waitUntil([&]() { return controlText(t.window, kExit) == "&Hide"; }, 2000));
    CHECK_EQ(tooltipOver(t, kExit), std::string("Hide Console"));

    // The Exit button now only hides the window; Restore brings it back.
    CHECK(clickControl(t.window, kExit));
    CHECK(waitUntil([&]() { return !IsWindowVisible(t.window); }, 2000));
    CHECK_EQ(static_cast<long long>(waitForExit(t.program, 300)), STILL_ACTIVE);
    CHECK(clickControl(t.window, kMenuRestore));
    CHECK(waitUntil([&]() { return IsWindowVisible(t.window) != FALSE; }, 2000));

    dialog = open(t, kOptions, kOptionsCaption, E2E_HERE);
    if (!dialog) return;
    CHECK(isChecked(dialog, kRunInTray));
    CHECK(pressButton(dialog, kRunInTray));
    if (!okCloses(t, dialog, E2E_HERE)) return;
    CHECK(waitUntil([&]() { return !trayIconExists(t.window, kTrayIconId); }, 3000));
    CHECK(waitUntil([&]() { return controlText(t.window, kExit) == "E&xit"; }, 2000));

    // On again, and the popup menu's Exit saves the tray state.
    dialog = open(t, kOptions, kOptionsCaption, E2E_HERE);
    if (!dialog) return;
    CHECK(pressButton(dialog, kRunInTray));
    if (!okCloses(t, dialog, E2E_HERE)) return;
    CHECK(waitUntil([&]() { return trayIconExists(t.window, kTrayIconId); }, 3000));
    postClick(t.window, kMenuExit);
    CHECK_EXITS_WITH_ZERO(t);
    CHECK_EQ(iniOf(t), withCrLf(example({{"[TRAY STATUS]\n0", "[TRAY STATUS]\n1"}})));
}

// Options chosen while the window is hidden in the tray: without the icon
// the window would be out of reach, so it is shown.
TEST_CASE("timed", options_removing_the_icon_while_hidden_shows_the_window) {
    Tunrix t;
    if (!startTunrix(t, withCrLf(quietExample({{"[TRAY STATUS]\n0", "[TRAY STATUS]\n1"}})), false, E2E_HERE))
        return;
    // Start-up finishes its card operations before it shows the window; a
    // hidden start is given the same time.
    Sleep(700);
    CHECK(!IsWindowVisible(t.window));
    CHECK(waitUntil([&]() { return trayIconExists(t.window, kTrayIconId); }, 3000));
    HWND dialog = open(t, kOptions, kOptionsCaption, E2E_HERE);
    if (!dialog) return;
    CHECK(isChecked(dialog, kRunInTray));
    CHECK(pressButton(dialog, kRunInTray));
    if (!okCloses(t, dialog, E2E_HERE)) return;
    CHECK(waitUntil([&]() { return IsWindowVisible(t.window) != FALSE; }, 3000));
    CHECK(waitUntil([&]() { return !trayIconExists(t.window, kTrayIconId); }, 3000));
    CHECK_EQ(controlText(t.window, kExit), std::string("E&xit"));
    postClick(t.window, kExit);
    CHECK_EXITS_WITH_ZERO(t);
    CHECK_EQ(iniOf(t), withCrLf(quietExample()));
}

// ==== Scheduler ==================================================================

// Every check of OK refuses with its message and keeps the dialog open; a
// refused OK followed by Cancel arms nothing.
TEST_CASE("timed", scheduler_refuses_bad_events_and_cancel_then_arms_nothing) {
    Tunrix t;
    if (!startTunrix(t, withCrLf(quietExample()), true, E2E_HERE)) return;
    HWND dialog = open(t, kTimer, kSchedulerCaption, E2E_HERE);
    if (!dialog) return;
    CHECK(isCentredOnScreen(dialog));
    checkSchedulerShows(dialog, kDefaultEvent, E2E_HERE);

    struct Refusal {
        const char* name;
        EventInput event;
        const char* title;
        const char* text;
    };
    const EventInput tomorrow = {kTomorrow, {}, 6, true, 30, "99.9", true, "1", "0", true};
    std::vector<Refusal> refusals;
    Refusal noTime = {"no playing time", tomorrow, "Incomplete Data", "I don't know how long to play!"};
    noTime.event.playForever = false;
    noTime.event.playHours = "0";
    noTime.event.playMinutes = "0";
    refusals.push_back(noTime);
    Refusal tooLong = {"71 583 minutes", tomorrow, "Time Error",
                       "Time too long!! The playing time can be at most 1193 hours 2 minutes."};
    tooLong.event.playForever = false;
    tooLong.event.playHours = "1193";
    tooLong.event.playMinutes = "3";
    refusals.push_back(tooLong);
    Refusal outOfBand = {"station 120.0", tomorrow, "Error", "Frequency out of Range!\n"};
    outOfBand.event.station = "120.0";
    refusals.push_back(outOfBand);
    for (const Refusal& r : refusals) {
        note(r.name);
        fillScheduler(dialog, r.event, E2E_HERE);
        okIsRefused(t, dialog, r.title, r.text, E2E_HERE);
    }

    // Today at the present minute, and at the hour before.
    waitForRoomInMinute(5);
    SYSTEMTIME now = localNow();
    EventInput today = {kToday, {}, hourIndexOf(now.wHour), isPm(now.wHour), now.wMinute, "99.9", true, "1", "0",
                        true};
    note("today at the present minute");
    fillScheduler(dialog, today, E2E_HERE);
    okIsRefused(t, dialog, "Time Error", "Minute has already passed!", E2E_HERE, "scheduler-refusal");
    if (now.wHour > 0) {
        note("today at the hour before");
        today.hourIndex = hourIndexOf(now.wHour - 1);
        today.pm = isPm(now.wHour - 1);
        today.minute = 59;
        fillScheduler(dialog, today, E2E_HERE);
        okIsRefused(t, dialog, "Time Error", "Hour has already passed!", E2E_HERE);
    } else {
        note("no hour before midnight's: that case is left out");
    }
    cancel(dialog, E2E_HERE);

    // Nothing was armed: no clock, the dialog opens unarmed, nothing is played.
    CHECK_CLOCK(t.window, false);
    if (!checkSchedulerUnarmed(t, E2E_HERE)) return;
    exitHavingPlayedNothing(t, E2E_HERE);
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
        {kTomorrow, {}, 11, false, 5, "88.5", true, "", "", true},                    // 12 AM: hour 0
        {kEvery, everyDays, 11, true, 30, "101.1", false, "1", "30", true},          // 12 PM: hour 12
        {kNext, {later3}, 0, true, 59, "107.9", false, "0", "45", true},             // 01 PM: hour 13
    };
    Tunrix t;
    if (!startTunrix(t, withCrLf(quietExample()), true, E2E_HERE)) return;
    CHECK_CLOCK(t.window, false);
    for (const EventInput& e : events) {
        note("event at list hour " + std::to_string(e.hourIndex + 1) + (e.pm ? " PM" : " AM"));
        HWND dialog = open(t, kTimer, kSchedulerCaption, E2E_HERE);
        if (!dialog) return;
        fillScheduler(dialog, e, E2E_HERE);
        if (&e == &events[1]) takeScreenshot("scheduler-dialog");
        if (!okCloses(t, dialog, E2E_HERE)) return;
        CHECK_CLOCK(t.window, true);
        // Shown as stored; Cancel keeps it armed.
        dialog = open(t, kTimer, kSchedulerCaption, E2E_HERE);
        if (!dialog) return;
        checkSchedulerShows(dialog, e, E2E_HERE);
        cancel(dialog, E2E_HERE);
        CHECK_CLOCK(t.window, true);
    }

    HWND dialog = open(t, kTimer, kSchedulerCaption, E2E_HERE);
    if (!dialog) return;
    CHECK(pressButton(dialog, kActivateTimer));
    CHECK(!isChecked(dialog, kActivateTimer));
    if (!okCloses(t, dialog, E2E_HERE)) return;
    CHECK_CLOCK(t.window, false);
    if (!checkSchedulerUnarmed(t, E2E_HERE)) return;
    exitHavingPlayedNothing(t, E2E_HERE);
}

// ==== Sleep timer ================================================================

TEST_CASE("timed", sleep_timer_refuses_bad_times_shows_z_while_armed_and_power_disarms) {
    Tunrix t;
    if (!startTunrix(t, withCrLf(quietExample()), true, E2E_HERE)) return;
    HWND dialog = open(t, kSleep, kSleepCaption, E2E_HERE);
    if (!dialog) return;
    CHECK(isCentredOnScreen(dialog));
    checkSleepShows(dialog, "", "", false, E2E_HERE);
    fillSleep(dialog, "0", "0", true, E2E_HERE);
    okIsRefused(t, dialog, "Time Error", "Invalid Time!!", E2E_HERE);
    fillSleep(dialog, "", "", true, E2E_HERE);
    okIsRefused(t, dialog, "Time Error", "Invalid Time!!", E2E_HERE);
    fillSleep(dialog, "1193", "3", true, E2E_HERE);
    okIsRefused(t, dialog, "Time Error", "Time too long!! The sleep time can be at most 1193 hours 2 minutes.",
                E2E_HERE);
    cancel(dialog, E2E_HERE);
    CHECK_Z(t.window, false);

    // A refused OK and Cancel armed nothing.
    dialog = open(t, kSleep, kSleepCaption, E2E_HERE);
    if (!dialog) return;
    checkSleepShows(dialog, "", "", false, E2E_HERE);
    fillSleep(dialog, "2", "15", true, E2E_HERE);
    if (!okCloses(t, dialog, E2E_HERE)) return;
    CHECK_Z(t.window, true);
    dialog = open(t, kSleep, kSleepCaption, E2E_HERE);
    if (!dialog) return;
    checkSleepShows(dialog, "2", "15", true, E2E_HERE);
    takeScreenshot("sleep-timer-dialog");
    cancel(dialog, E2E_HERE);
    CHECK_Z(t.window, true);

    // 16-bit hours: 65 537 is 1.
    dialog = open(t, kSleep, kSleepCaption, E2E_HERE);
    if (!dialog) return;
    fillSleep(dialog, "65537", "0", true, E2E_HERE);
    if (!okCloses(t, dialog, E2E_HERE)) return;
    dialog = open(t, kSleep, kSleepCaption, E2E_HERE);
    if (!dialog) return;
    checkSleepShows(dialog, "1", "0", true, E2E_HERE);
    // Unchecked Activate disarms.
    CHECK(pressButton(dialog, kSleepActivate));
    if (!okCloses(t, dialog, E2E_HERE)) return;
    CHECK_Z(t.window, false);
    dialog = open(t, kSleep, kSleepCaption, E2E_HERE);
    if (!dialog) return;
    checkSleepShows(dialog, "", "", false, E2E_HERE);

    // Armed again, then Power switches the radio off and disarms it.
    fillSleep(dialog, "0", "30", true, E2E_HERE);
    if (!okCloses(t, dialog, E2E_HERE)) return;
    CHECK_Z(t.window, true);
    CHECK(clickControl(t.window, kPower));
    CHECK_Z(t.window, false);
    CHECK_CARD_LOG(t.dir, {"0x20f off"});
    if (!checkSleepUnarmed(t, E2E_HERE)) return;
    postClick(t.window, kExit);
    CHECK_EXITS_WITH_ZERO(t);
}

// ==== On the clock ===============================================================

// The first test of the group arms them and the last one checks them, so
// that the minutes they need pass while the other tests run.
TEST_CASE("timed", timed_events_and_sleep_timer_run_out_on_the_clock) {
    ClockRuns& c = clockRuns();
    if (!c.armed) {
        note("not armed by the first test of the group: arming now");
        armClockRuns(E2E_HERE);
    }
    for (ClockRun* run : c.all()) {
        HANDLE process = run->t.program.process;
        if (process) addCleanup([process]() {
            if (WaitForSingleObject(process, 0) == WAIT_TIMEOUT) {
                TerminateProcess(process, 1);
                WaitForSingleObject(process, 5000);
            }
        });
    }
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
    CHECK_CARD_LOG(c.today.t.dir, {tuneLine(4000), "0x20f off"});
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
    CHECK_CLOCK(c.today.t.window, false);
    CHECK_LAMP(c.today.t.window, false);
    CHECK_CELLS(c.today.t.window, " 893");

    // Sleeper: off one minute after OK; the Z goes, the event's clock stays.
    CHECK_CARD_LOG(c.sleeper.t.dir, {"0x20f off"});
    if (CHECK_EQ(static_cast<long long>(c.sleeper.seen.size()), 1)) {
        DWORD slept = c.sleeper.seen[0].tick - c.sleepArmedAt;
        note("sleep timer ran " + std::to_string(slept) + " ms");
        CHECK(slept >= 59000 && slept <= 62500);
    }
    CHECK_Z(c.sleeper.t.window, false);
    CHECK_CLOCK(c.sleeper.t.window, true);
    CHECK_LAMP(c.sleeper.t.window, false);
    takeScreenshot("panels-after-the-timers");
    checkSleepUnarmed(c.sleeper.t, E2E_HERE);

    // Disarmed: nothing at all.
    CHECK(!fileExists(joinPath(c.disarmed.t.dir, "card.log")));
    CHECK_CLOCK(c.disarmed.t.window, false);
    // Every: once in its minute, and still armed; Next with one day: once, then disarmed.
    CHECK_CARD_LOG(c.every.t.dir, {tuneLine(4248)});
    CHECK_CLOCK(c.every.t.window, true);
    CHECK_LAMP(c.every.t.window, true);
    CHECK_CARD_LOG(c.next.t.dir, {tuneLine(4584)});
    CHECK_CLOCK(c.next.t.window, false);
    for (ClockRun* run : {&c.every, &c.next}) {
        if (!run->seen.empty()) note("every/next fired at " + clockText(run->seen[0].clock));
    }

    for (ClockRun* run : {&c.sleeper, &c.today}) {
        postClick(run->t.window, kExit);
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
    if (!startTunrix(t, withCrLf(ini), true, E2E_HERE)) return;
    for (int round = 0; round < 2; ++round) {
        HWND dialog = open(t, kOptions, kOptionsCaption, E2E_HERE);
        if (!dialog) return;
        CHECK(!isChecked(dialog, kRunInTray));
        CHECK(pressButton(dialog, kRunInTray));
        CHECK(isChecked(dialog, kRunInTray));
        if (!okCloses(t, dialog, E2E_HERE)) return;
        Sleep(300);
        CHECK(!trayIconExists(t.window, kTrayIconId));
        CHECK_EQ(controlText(t.window, kExit), std::string("E&xit"));
    }
    // Exit still ends the program; the file keeps the tray status it had.
    postClick(t.window, kExit);
    CHECK_EXITS_WITH_ZERO(t);
    CHECK_EQ(iniOf(t), withCrLf(ini));
}

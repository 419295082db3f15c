// The timed group's programs on the real clock; see clock_runs.h.
#include "clock_runs.h"

#include <cstdio>

namespace e2e {

ClockRuns& clockRuns() {
    static ClockRuns runs;
    return runs;
}

namespace {

// Notes the time at which each card.log line appears, every 200 ms, while
// the other tests of the group run.
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

// Places a window away from the middle of the screen, where the dialogs and
// the main windows of the other tests come up.
const POINT kCorners[5] = {{0, 0}, {610, 0}, {0, 150}, {0, 610}, {610, 610}};

bool startInCorner(ClockRun& run, int corner, Where where) {
    if (!startTunrix(run.t, quietExample(), true, where, true)) return false;
    SetWindowPos(run.t.window, nullptr, kCorners[corner].x, kCorners[corner].y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}

}  // namespace

void stopWatching() {
    ClockRuns& c = clockRuns();
    if (!c.watcher) return;
    InterlockedExchange(&c.stop, 1);
    WaitForSingleObject(c.watcher, 5000);
    CloseHandle(c.watcher);
    c.watcher = nullptr;
}

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

    EventInput todayEvent = {IDC_SCHEDULER_TODAY, {}, hourIndexOf(c.targetHour), isPm(c.targetHour),
                             c.targetMinute, "89.3", false, "0", "1", true};
    EventInput everyEvent = {IDC_SCHEDULER_EVERY, {dayIndexOf(now.wDayOfWeek)}, hourIndexOf(c.targetHour),
                             isPm(c.targetHour), c.targetMinute, "95.5", true, "1", "0", true};
    EventInput nextEvent = everyEvent;
    nextEvent.kind = IDC_SCHEDULER_NEXT;
    nextEvent.station = "103.9";
    struct Scheduled {
        ClockRun* run;
        const EventInput* event;
    };
    const Scheduled scheduled[] = {
        {&c.today, &todayEvent}, {&c.disarmed, &todayEvent}, {&c.every, &everyEvent}, {&c.next, &nextEvent}};
    int corner = 0;
    for (const Scheduled& s : scheduled) {
        if (!startInCorner(*s.run, corner++, where) || !armEvent(s.run->t, *s.event, where)) return;
    }
    EventInput disarm = todayEvent;
    disarm.activate = false;
    if (!armEvent(c.disarmed.t, disarm, where)) return;
    SYSTEMTIME armedAt = localNow();
    note("events armed at " + clockText(armedAt));
    check(armedAt.wHour * 60 + armedAt.wMinute < target, "the events were armed before their minute", where);

    // The sleep timer does not depend on the minute: it comes last.
    if (!startInCorner(c.sleeper, 4, where)) return;
    if (!setSleep(c.sleeper.t, "0", "1", true, where)) return;
    c.sleepArmedAt = GetTickCount();
    const EventInput tomorrowEvent = {IDC_SCHEDULER_TOMORROW, {}, 6, false, 0, "99.9", true, "", "", true};
    if (!armEvent(c.sleeper.t, tomorrowEvent, where)) return;

    for (ClockRun* run : c.all()) run->seen.clear();
    InterlockedExchange(&c.stop, 0);
    c.watcher = CreateThread(nullptr, 0, watchCardLogs, nullptr, 0, nullptr);
    c.armedAt = GetTickCount();
    c.armed = check(c.watcher != nullptr, "the card.log watcher runs", where);
}

}  // namespace e2e

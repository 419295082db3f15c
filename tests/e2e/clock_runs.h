// Programs of the timed group that run on the real clock across the group:
// the first test arms them and the last one checks them, so that the minutes
// they need pass while the other tests run.
#pragma once
#include <windows.h>

#include <vector>

#include "tunrix_dialogs.h"

namespace e2e {

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

ClockRuns& clockRuns();
// Starts the five programs, arms them, and starts a thread that notes when
// each card.log line appears; armed tells whether all of that worked.
void armClockRuns(Where where);
// Stops the watcher after one more look (the test may have seen the last
// line itself before the watcher's next look).
void stopWatching();

}  // namespace e2e

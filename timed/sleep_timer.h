// The sleep timer: command 1152 with its dialog's rules, and the switch-off
// when timer 5 runs out. The Win32 dialog only moves texts and check marks.
#pragma once
#include <cstddef>
#include <cstdint>
#include "common/field_text.h"
#include "radio/program.h"

// A window timer's period is 32 bits of milliseconds: 71 582 whole minutes.
constexpr uint32_t kLongestTimedMinutes = 71582;
constexpr std::size_t kTimeFieldSize = 24;   // an edit's text as the dialog reads it

// Milliseconds for hours and minutes, or 0 when the time is zero or longer
// than kLongestTimedMinutes (such a period would wrap in 32 bits).
uint32_t timedPeriodMs(uint32_t hours, uint32_t minutes);

// A window timer waits at most kMaxTimerPeriodMs (about 24.8 days) and cuts a
// longer wait short, so a longer period runs in pieces: the first piece is
// started now and the rest kept in remainingMs. On each tick timedPeriodOver
// starts the next piece and returns false, or returns true when none is left.
void startTimedPeriod(TimerPlatform& platform, int timerId, uint32_t periodMs,
                      uint32_t& remainingMs);
bool timedPeriodOver(TimerPlatform& platform, int timerId, uint32_t& remainingMs);

// The controls of the sleep timer dialog (template 202).
struct SleepTimerDialogFields {
    char hours[kTimeFieldSize];     // edit 1153
    char minutes[kTimeFieldSize];   // edit 1092
    bool activate;                  // "Activate"
};

// What the dialog shows when it opens: the time as last entered with
// "Activate" checked while the timer is armed; empty and unchecked otherwise.
void sleepTimerDialogOpening(const Program& program, SleepTimerDialogFields& fields);

// OK: stores the time (each value kept in 16 bits) and the armed flag, or
// refuses a zero or too long time with a "Time Error" message; a refused OK
// changes nothing, so a later Cancel cannot arm a time the dialog refused.
DialogVerdict sleepTimerDialogOk(Program& program, const SleepTimerDialogFields& fields);

// Command 1152: runs the dialog, then starts timer 5 afresh or stops it.
void sleepTimerCommand(Program& program);

// Timer 5: the sleep time has run out; the radio goes off. A tick while the
// sleep timer is not armed is ignored.
void sleepTimerExpired(Program& program);

// The sleep timer's rules: dialog opening and OK, command 1152, timer 5.
#include <cstdio>
#include "radio/window_ops.h"
#include "timed/sleep_timer.h"

static const char kTimeErrorTitle[] = "Time Error";
static const char kInvalidTimeText[] = "Invalid Time!!";
static const char kSleepTooLongText[] =
    "Time too long!! The sleep time can be at most 1193 hours 2 minutes.";

uint32_t timedPeriodMs(uint32_t hours, uint32_t minutes) {
    const uint64_t total = static_cast<uint64_t>(hours) * 60 + minutes;
    if (total == 0 || total > kLongestTimedMinutes) return 0;
    return static_cast<uint32_t>(total * 60000);
}

void startTimedPeriod(TimerPlatform& platform, int timerId, uint32_t periodMs,
                      uint32_t& remainingMs) {
    const uint32_t piece = periodMs > kMaxTimerPeriodMs ? kMaxTimerPeriodMs : periodMs;
    remainingMs = periodMs - piece;
    platform.startTimer(timerId, piece);
}

bool timedPeriodOver(TimerPlatform& platform, int timerId, uint32_t& remainingMs) {
    if (remainingMs == 0) return true;
    startTimedPeriod(platform, timerId, remainingMs, remainingMs);
    return false;
}

void sleepTimerDialogOpening(const Program& program, SleepTimerDialogFields& fields) {
    fields.hours[0] = '\0';
    fields.minutes[0] = '\0';
    fields.activate = false;
    if (program.window.sleepTimerActive == 1) {
        std::snprintf(fields.hours, sizeof fields.hours, "%u", static_cast<unsigned>(program.sleep.sleepHours));
        std::snprintf(fields.minutes, sizeof fields.minutes, "%u", static_cast<unsigned>(program.sleep.sleepMinutes));
        fields.activate = true;
    }
}

DialogVerdict sleepTimerDialogOk(Program& program, const SleepTimerDialogFields& fields) {
    // The values live in 16 bits: 65 537 hours are 1 hour.
    const uint16_t hours = static_cast<uint16_t>(readUnsignedField(fields.hours));
    const uint16_t minutes = static_cast<uint16_t>(readUnsignedField(fields.minutes));
    if (fields.activate) {
        if (hours == 0 && minutes == 0) return {false, kInvalidTimeText, kTimeErrorTitle};
        if (timedPeriodMs(hours, minutes) == 0) return {false, kSleepTooLongText, kTimeErrorTitle};
    }
    program.sleep.sleepHours = hours;
    program.sleep.sleepMinutes = minutes;
    program.window.sleepTimerActive = fields.activate ? 1 : 0;
    return {true, nullptr, nullptr};
}

void sleepTimerCommand(Program& program) {
    program.platform->runDialog(kSleepTimerDialog);
    const uint32_t period = timedPeriodMs(program.sleep.sleepHours, program.sleep.sleepMinutes);
    // The dialog arms only a valid time; a zero period would switch off at once.
    if (program.window.sleepTimerActive == 1 && period != 0) {
        startTimedPeriod(*program.platform, kSleepTimer, period, program.sleep.remainingMs);
    } else {
        program.platform->stopTimer(kSleepTimer);
        program.window.sleepTimerActive = 0;
    }
    redrawDisplay(program);
}

void sleepTimerExpired(Program& program) {
    // A tick queued before timer 5 was stopped (by Power or the dialog) must
    // neither switch the radio off nor start the next piece of a long time.
    if (program.window.sleepTimerActive == 0) return;
    if (!timedPeriodOver(*program.platform, kSleepTimer, program.sleep.remainingMs)) return;
    program.platform->stopTimer(kSleepTimer);
    // Sent even when the radio is already off: the card gets a definite state.
    switchRadioOff(program, SwitchOffBy::sleepTimeEnd);
}

// Memory mode and the preset scan: the commands that start them, their timer
// ticks, and the right-click that cancels both.
#include "common/field_text.h"
#include "radio/window_ops.h"
#include "resources/resource.h"
#include "ui/scan.h"

namespace {

void makePresetCurrent(Program& program, int i) {
    makeStationCurrent(program, program.settings.presets.slot[i].frequency, i);
}

void tunePreset(Program& program, int i) { tuneStation(program, program.settings.presets.slot[i].frequency); }

}  // namespace

void enterMemoryMode(Program& program) {
    MainWindowState& w = program.window;
    if (w.scanActive != 0) return;
    w.memoryMode = 1;
    redrawDisplay(program);
    playButtonBeep(program);
    program.platform->startTimer(kMemoryTimer, kMemoryTimeoutMs);
    program.platform->focusControl(IDC_MEMORY);
}

void storeInMemoryMode(Program& program, int presetIndex) {
    MainWindowState& w = program.window;
    w.memoryMode = 0;
    storePreset(program.settings, presetIndex, w.currentFrequency, nullptr);
    redrawDisplay(program);
    playButtonBeep(program);
    // Timer 2 keeps running; its tick finds memory mode off and only redraws.
}

void onMemoryTimer(Program& program) {
    program.platform->stopTimer(kMemoryTimer);
    program.window.memoryMode = 0;
    redrawDisplay(program);
}

void toggleScan(Program& program) {
    MainWindowState& w = program.window;
    MainWindowPlatform& platform = *program.platform;
    if (program.settings.powerStatus == 0 || w.memoryMode != 0) return;
    if (w.scanActive == 0) {
        w.scanActive = 1;
        makePresetCurrent(program, 0);
        redrawDisplay(program);
        playButtonBeep(program);
        platform.focusControl(IDC_PRESET_1);
        tunePreset(program, 0);
        // Stopped (Scan, Power, right button) while the tune's range message
        // was open: the scan must not start behind the user's back.
        if (w.scanActive == 0) return;
        w.scanPosition = 1;
        platform.setButtonCaption(IDC_SCAN, kStopScanCaption);
        platform.startTimer(kScanTimer,
                            scanIntervalMs(program.settings.presetCycleDuration, kCycleDurationSize,
                                           program.settings.presetCycleFlag));
    } else {
        platform.stopTimer(kScanTimer);
        w.scanActive = 0;
        redrawDisplay(program);
        platform.setButtonCaption(IDC_SCAN, kStartScanCaption);
    }
}

void onScanTimer(Program& program) {
    MainWindowState& w = program.window;
    // 10 wraps to preset 1; any other value outside 0-9 would index past the table.
    if (w.scanPosition < 0 || w.scanPosition >= kPresetCount) w.scanPosition = 0;
    const int i = w.scanPosition;
    makePresetCurrent(program, i);
    redrawDisplay(program);
    program.platform->focusControl(IDC_PRESET_1 + i);
    playButtonBeep(program);
    // The position moves on before the tune: a preset that cannot be tuned
    // shows a message whose loop delivers the next ticks, and they must play
    // the following presets, not this one again.
    w.scanPosition = i + 1;
    tunePreset(program, i);
}

void cancelScanAndMemory(Program& program) {
    MainWindowState& w = program.window;
    MainWindowPlatform& platform = *program.platform;
    if (w.memoryMode != 0) {
        w.memoryMode = 0;
        platform.stopTimer(kMemoryTimer);
        redrawDisplay(program);
    }
    if (w.scanActive != 0) {
        w.scanActive = 0;
        platform.stopTimer(kScanTimer);
        platform.setButtonCaption(IDC_SCAN, kStartScanCaption);
        redrawDisplay(program);
    }
}

uint32_t scanIntervalMs(const char* durationText, std::size_t capacity, int minutesFlag) {
    bool negative = false;
    uint64_t n = 0;
    const bool any = readWholeNumber(durationText, capacity, kMaxTimerPeriodMs, &negative, &n);
    // An empty, non-numeric, zero or negative dwell would fire the timer
    // continuously (or never); one second is the least sensible interval.
    if (!any || negative || n == 0) return kMinScanIntervalMs;
    const uint64_t unit = minutesFlag != 0 ? 60000u : 1000u;
    const uint64_t ms = n * unit;   // n is at most 2^31, so this cannot overflow
    return ms > kMaxTimerPeriodMs ? kMaxTimerPeriodMs : static_cast<uint32_t>(ms);
}

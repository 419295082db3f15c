// The operations that every feature of the main window uses.
#include "radio/window_ops.h"

#include <cstdio>
#include <cstring>
#include "card/frequency.h"
#include "card/port_protocol.h"

void playButtonBeep(Program& program) {
    if (program.settings.buttonBeeps != 0) program.platform->playSoundFile("beep.wav");
}

void redrawDisplay(Program& program) { program.platform->redrawDisplay(); }

void updateTrayIcon(Program& program, TrayAction action) {
    const bool on = program.settings.powerStatus != 0;
    char tip[24];
    if (on) {
        std::snprintf(tip, sizeof tip, "FM %s", program.window.currentFrequency);
    } else {
        std::snprintf(tip, sizeof tip, "%s", "Radio is OFF");
    }
    if (program.window.noTrayMode == 0) program.platform->shellNotifyIcon(action, on, tip);
}

void formatWindowTitle(const Program& program, char* out, std::size_t capacity) {
    if (capacity == 0) return;
    if (program.settings.titleBarFlag != 0) {
        const PresetSlot& record = presetRecord(program.settings, program.window.currentPresetIndex);
        std::snprintf(out, capacity, "Tunrix - %.80s", record.description);
    } else {
        std::snprintf(out, capacity, "%s", "Tunrix");
    }
}

void refreshWindowTitle(Program& program) {
    char title[kTitleSize];
    formatWindowTitle(program, title, sizeof title);
    program.platform->setWindowTitle(title);
}

void makeStationCurrent(Program& program, const char* station, int presetIndex, JumpDisplay jump) {
    copyFrequencyText(program.window.currentFrequency, station);
    program.window.currentPresetIndex = presetIndex;
    if (jump == JumpDisplay::end) program.window.jumpDisplayPending = 0;
}

void tuneStation(Program& program, const char* station) {
    tuneToFrequency(*program.port, program.settings.ioPort, station, *program.platform);
}

namespace {

enum class OffStep {
    stopSleepTimer,     // when armed: timer 5 stops, the Z goes
    endScanAndMemory,   // timers 1 and 2 stop, the scan button reads "Preset Scan"
    stopPlayingTime,    // timer 4
    clearSleepTime,     // the sleep time and its flag
    endJumpDisplay,
    rememberStation,    // the station playing now becomes the last station
    clearPower,
    cardOff,
    redraw,
    beep,
    focusPower,
    updateTray,
    end
};

// Each way of switching off, step by step.
constexpr OffStep kPowerButtonOff[] = {
    OffStep::endJumpDisplay, OffStep::stopSleepTimer, OffStep::endScanAndMemory, OffStep::redraw,
    OffStep::clearPower, OffStep::rememberStation, OffStep::beep, OffStep::focusPower,
    OffStep::updateTray, OffStep::cardOff, OffStep::end};
constexpr OffStep kTrayClickOff[] = {
    OffStep::endJumpDisplay, OffStep::redraw, OffStep::rememberStation, OffStep::beep,
    OffStep::cardOff, OffStep::clearPower, OffStep::updateTray, OffStep::end};
constexpr OffStep kPlayingTimeOff[] = {
    OffStep::stopPlayingTime, OffStep::cardOff, OffStep::clearPower, OffStep::redraw, OffStep::beep,
    OffStep::updateTray, OffStep::end};
constexpr OffStep kSleepTimeOff[] = {
    OffStep::cardOff, OffStep::clearSleepTime, OffStep::clearPower, OffStep::updateTray,
    OffStep::redraw, OffStep::end};

}  // namespace

void switchRadioOff(Program& program, SwitchOffBy by) {
    RadioSettings& s = program.settings;
    MainWindowState& w = program.window;
    MainWindowPlatform& platform = *program.platform;
    const OffStep* steps = by == SwitchOffBy::powerButton   ? kPowerButtonOff
                           : by == SwitchOffBy::trayClick   ? kTrayClickOff
                           : by == SwitchOffBy::playingTimeEnd ? kPlayingTimeOff
                                                               : kSleepTimeOff;
    for (; *steps != OffStep::end; ++steps) {
        switch (*steps) {
        case OffStep::stopSleepTimer:
            if (w.sleepTimerActive == 1) {
                w.sleepTimerActive = 0;
                platform.stopTimer(kSleepTimer);
            }
            break;
        case OffStep::endScanAndMemory:
            w.scanActive = 0;
            w.memoryMode = 0;
            platform.stopTimer(kScanTimer);
            platform.stopTimer(kMemoryTimer);
            platform.setButtonCaption(IDC_SCAN, kStartScanCaption);
            break;
        case OffStep::stopPlayingTime: platform.stopTimer(kPlayingTimeTimer); break;
        case OffStep::clearSleepTime:
            program.sleep.sleepHours = 0;
            w.sleepTimerActive = 0;
            program.sleep.sleepMinutes = 0;
            break;
        case OffStep::endJumpDisplay: w.jumpDisplayPending = 0; break;
        case OffStep::rememberStation: copyFrequencyText(s.lastStation(), w.currentFrequency); break;
        // The card's switch-off clears the flag too; this step clears it where
        // the tray and display are told before the card is.
        case OffStep::clearPower: s.powerStatus = 0; break;
        case OffStep::cardOff: switchOff(*program.port, s.ioPort, s); break;
        case OffStep::redraw: redrawDisplay(program); break;
        case OffStep::beep: playButtonBeep(program); break;
        case OffStep::focusPower: platform.focusControl(IDC_POWER); break;
        case OffStep::updateTray: updateTrayIcon(program, TrayAction::update); break;
        case OffStep::end: break;
        }
    }
}

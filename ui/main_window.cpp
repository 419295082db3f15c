// The main window's own logic: initialisation, the routing of every command,
// timer tick and press, power, volume, tuning steps, options and exit.
#include <cstdio>
#include <cstring>
#include "card/frequency.h"
#include "radio/window_ops.h"
#include "resources/resource.h"
#include "settings/settings_file.h"
#include "timed/scheduler.h"
#include "timed/sleep_timer.h"
#include "ui/jump.h"
#include "ui/main_window.h"
#include "ui/scan.h"
#include "ui/tray.h"

namespace {

constexpr const char* kHideCaption = "&Hide";
constexpr const char* kExitCaption = "E&xit";

void pressPreset(Program& program, int i) {
    RadioSettings& s = program.settings;
    MainWindowState& w = program.window;
    if (w.memoryMode != 0) {
        w.currentPresetIndex = i;
        w.jumpDisplayPending = 0;
        storeInMemoryMode(program, i);
        return;
    }
    makeStationCurrent(program, s.presets.slot[i].frequency, i);
    s.powerStatus = 1;
    redrawDisplay(program);
    playButtonBeep(program);
    tuneStation(program, s.presets.slot[i].frequency);
    program.platform->focusControl(IDC_PRESET_1 + i);
    if (s.trayStatus != 0 && w.noTrayMode == 0) updateTrayIcon(program, TrayAction::update);
}

void pressVolume(Program& program, int controlId) {
    // The card takes a step only while it plays; the press is not answered either.
    if (program.settings.powerStatus == 0) return;
    playButtonBeep(program);
    stepVolume(*program.port, program.settings.ioPort, program.settings,
               controlId == IDC_VOLUME_DOWN ? VolumeStep::down : VolumeStep::up);
    program.platform->focusControl(controlId);
}

void stepTuning(Program& program, void (*step)(char*, char*)) {
    if (program.settings.powerStatus == 0) return;
    step(program.window.currentFrequency, program.settings.lastStation());
    makeStationCurrent(program, program.window.currentFrequency, kNoPreset);
    redrawDisplay(program);
    playButtonBeep(program);
    tuneStation(program, program.window.currentFrequency);
}

void pressPower(Program& program) {
    RadioSettings& s = program.settings;
    MainWindowState& w = program.window;
    if (s.powerStatus != 0) {
        switchRadioOff(program, SwitchOffBy::powerButton);
    } else {
        w.jumpDisplayPending = 0;
        s.powerStatus = 1;
        playButtonBeep(program);
        redrawDisplay(program);
        tuneStation(program, s.lastStation());
        updateTrayIcon(program, TrayAction::update);
        program.platform->focusControl(IDC_POWER);
    }
}

void runOptions(Program& program) {
    RadioSettings& s = program.settings;
    MainWindowState& w = program.window;
    MainWindowPlatform& platform = *program.platform;
    platform.runDialog(kOptionsDialog);
    if (w.noTrayMode == 0) {
        if (w.runInTray != 0 && s.trayStatus == 0) {
            updateTrayIcon(program, TrayAction::add);
            s.trayStatus = 1;
            platform.setButtonCaption(IDC_EXIT, kHideCaption);
        } else if (w.runInTray == 0 && s.trayStatus == 1) {
            updateTrayIcon(program, TrayAction::remove);
            s.trayStatus = 0;
            // Options may have been chosen from the tray menu while the window
            // was hidden; without the icon the window is the only way back.
            platform.showMainWindow();
            platform.bringMainWindowToForeground();
            platform.setButtonCaption(IDC_EXIT, kExitCaption);
        }
    }
    refreshWindowTitle(program);
}

// radio.ini as every orderly end of the program writes it: currentFrequency is
// the last station.
int writeRadioIni(Program& program) {
    return writeSettingsFile(kSettingsFileName, program.window.currentFrequency,
                             program.settings.powerStatus, program.settings, *program.platform);
}

void exitOrHide(Program& program) {
    if (program.window.runInTray != 0 && program.window.noTrayMode == 0) {
        program.platform->hideMainWindow();
    } else {
        exitProgram(program);
    }
}

}  // namespace

void initialiseMainWindow(Program& program) {
    RadioSettings& s = program.settings;
    MainWindowState& w = program.window;
    MainWindowPlatform& platform = *program.platform;
    // displayRect is the fixed kDisplay* rectangle; nothing to set here.
    if (!readSettingsFile(kSettingsFileName, s, platform)) return;  // it has ended the program
    if (w.noTrayMode == 0) platform.prepareTrayIcons();
    makeStationCurrent(program, s.lastStation(), matchPresetIndex(s, s.lastStation()));
    refreshWindowTitle(program);
    if (s.powerStatus == 0) {
        s.powerStatus = 1;
        playButtonBeep(program);
        tuneStation(program, s.lastStation());
    }
    platform.createTooltips();
    if (w.noTrayMode == 0 && s.trayStatus == 1) {
        s.powerStatus = 1;
        playButtonBeep(program);
        tuneStation(program, s.lastStation());
        updateTrayIcon(program, TrayAction::add);
        w.runInTray = 1;
        platform.setButtonCaption(IDC_EXIT, kHideCaption);
        platform.hideMainWindow();
    } else {
        platform.showMainWindow();
    }
}

bool onMainCommand(Program& program, unsigned commandWord) {
    // Compared whole: a nonzero notification code in the high word never matches.
    if (commandWord >= IDC_PRESET_1 && commandWord <= IDC_PRESET_10) {
        pressPreset(program, static_cast<int>(commandWord - IDC_PRESET_1));
        return true;
    }
    switch (commandWord) {
    case 1:
    case IDC_EXIT: exitOrHide(program); return true;
    case IDC_VOLUME_DOWN:
    case IDC_VOLUME_UP: pressVolume(program, static_cast<int>(commandWord)); return true;
    case IDC_COARSE_DOWN: stepTuning(program, coarseDown); return true;
    case IDC_COARSE_UP: stepTuning(program, coarseUp); return true;
    case IDC_FINE_DOWN: stepTuning(program, fineDown); return true;
    case IDC_FINE_UP: stepTuning(program, fineUp); return true;
    case IDC_MEMORY: enterMemoryMode(program); return true;
    case IDC_ABOUT: program.platform->runDialog(kAboutDialog); return true;
    case IDC_POWER: pressPower(program); return true;
    case IDC_JUMP: runJumpFlow(program); return true;
    case IDC_SCAN: toggleScan(program); return true;
    case IDC_OPTIONS: runOptions(program); return true;
    case IDM_RESTORE:
        program.platform->showMainWindow();
        program.platform->bringMainWindowToForeground();
        return true;
    case IDM_EXIT: exitProgram(program); return true;
    case IDC_TIMER: schedulerCommand(program); return true;
    case IDC_SLEEP: sleepTimerCommand(program); return true;
    default: return false;   // not the main window's own
    }
}

void onMainTimer(Program& program, int timerId) {
    switch (timerId) {
    case kScanTimer: onScanTimer(program); break;
    case kMemoryTimer: onMemoryTimer(program); break;
    case kSchedulerPollTimer: schedulerPollTick(program); break;
    case kPlayingTimeTimer: playingTimeEnded(program); break;
    case kSleepTimer: sleepTimerExpired(program); break;
    default: break;
    }
}

bool onPanelPress(Program& program, int x, int y) {
    if (!insideDisplayRect(x, y)) return false;
    runJumpFlow(program);
    return true;
}

void onPanelRightPress(Program& program) { cancelScanAndMemory(program); }

void exitProgram(Program& program) {
    MainWindowPlatform& platform = *program.platform;
    platform.stopTimer(kScanTimer);
    platform.stopTimer(kMemoryTimer);
    platform.stopTimer(kSchedulerPollTimer);
    platform.stopTimer(kPlayingTimeTimer);
    // On failure the writer has reported it and ended the process; stop here.
    if (writeRadioIni(program) != 0) return;
    if (program.window.noTrayMode == 0) updateTrayIcon(program, TrayAction::remove);
    platform.destroyMainWindow();
    platform.releaseDisplayImages();
    platform.endProcess(0);
}

int saveSettingsAtSessionEnd(Program& program) { return writeRadioIni(program); }

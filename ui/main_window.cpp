// The main window's own logic: initialisation, the command dispatch, power,
// volume, tuning steps, options, exit, and the helpers for title and presets.
#include <cstdio>
#include <cstring>
#include "card/frequency.h"
#include "card/port_protocol.h"
#include "resources/resource.h"
#include "settings/settings_file.h"
#include "ui/jump.h"
#include "ui/main_window.h"
#include "ui/scan.h"

namespace {

constexpr const char* kHideCaption = "&Hide";
constexpr const char* kExitCaption = "E&xit";

// Bounded copy of a FrequencyText: at most 9 characters, always terminated,
// even when the source field lacks its terminator.
void copyFrequency(char* to, const char* from) {
    std::size_t n = 0;
    while (n + 1 < kFrequencyTextSize && from[n] != '\0') {
        to[n] = from[n];
        ++n;
    }
    to[n] = '\0';
}

void tune(Program& program, const char* text) {
    tuneToFrequency(*program.port, program.settings.ioPort, text, *program.platform);
}

// Any command that changes the station or the preset ends the showing of a
// Jump's frequency: from then on the panel shows the current record again.
void endJumpDisplay(Program& program) { program.window.jumpDisplayPending = 0; }

void pressPreset(Program& program, int i) {
    RadioSettings& s = program.settings;
    MainWindowState& w = program.window;
    w.currentPresetIndex = i;
    endJumpDisplay(program);
    if (w.memoryMode != 0) {
        storeInMemoryMode(program, i);
        return;
    }
    s.powerStatus = 1;
    copyFrequency(w.currentFrequency, s.presets.slot[i].frequency);
    redrawDisplay(program);
    playButtonBeep(program);
    tune(program, s.presets.slot[i].frequency);
    program.platform->focusControl(IDC_PRESET_1 + i);
    if (s.trayStatus != 0 && w.noTrayMode == 0) updateTrayIcon(program, kTrayUpdate);
}

void stepVolume(Program& program, int controlId) {
    if (program.settings.powerStatus == 0) return;
    playButtonBeep(program);
    if (controlId == IDC_VOLUME_DOWN) {
        volumeDown(*program.port, program.settings.ioPort);
    } else {
        volumeUp(*program.port, program.settings.ioPort);
    }
    program.platform->focusControl(controlId);
}

void stepTuning(Program& program, void (*step)(char*, char*)) {
    if (program.settings.powerStatus == 0) return;
    step(program.window.currentFrequency, program.settings.lastStation());
    program.window.currentPresetIndex = kNoPreset;
    endJumpDisplay(program);
    redrawDisplay(program);
    playButtonBeep(program);
    tune(program, program.window.currentFrequency);
}

void pressPower(Program& program) {
    RadioSettings& s = program.settings;
    MainWindowState& w = program.window;
    MainWindowPlatform& platform = *program.platform;
    endJumpDisplay(program);
    if (s.powerStatus != 0) {
        if (w.sleepTimerActive == 1) {
            w.sleepTimerActive = 0;
            platform.stopTimer(kSleepTimer);
        }
        w.scanActive = 0;
        w.memoryMode = 0;
        platform.stopTimer(kScanTimer);
        platform.stopTimer(kMemoryTimer);
        platform.setButtonCaption(IDC_SCAN, kStartScanCaption);
        redrawDisplay(program);
        s.powerStatus = 0;
        copyFrequency(s.lastStation(), w.currentFrequency);
        playButtonBeep(program);
        platform.focusControl(IDC_POWER);
        updateTrayIcon(program, kTrayUpdate);
        powerOffCard(*program.port, s.ioPort);
    } else {
        s.powerStatus = 1;
        playButtonBeep(program);
        redrawDisplay(program);
        tune(program, s.lastStation());
        updateTrayIcon(program, kTrayUpdate);
        platform.focusControl(IDC_POWER);
    }
}

void runOptions(Program& program) {
    RadioSettings& s = program.settings;
    MainWindowState& w = program.window;
    MainWindowPlatform& platform = *program.platform;
    platform.runDialog(kOptionsDialog);
    if (w.noTrayMode == 0) {
        if (w.runInTray != 0 && s.trayStatus == 0) {
            updateTrayIcon(program, kTrayAdd);
            s.trayStatus = 1;
            platform.setButtonCaption(IDC_EXIT, kHideCaption);
        } else if (w.runInTray == 0 && s.trayStatus == 1) {
            updateTrayIcon(program, kTrayRemove);
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

int matchPresetIndex(const RadioSettings& settings, const char* text) {
    // A text of 10 or more characters can equal no field; checking the length
    // first keeps the comparison inside both buffers.
    if (std::strlen(text) >= kFrequencyTextSize) return kNoPreset;
    for (int i = 0; i < kPresetCount; ++i) {
        if (std::strncmp(settings.presets.slot[i].frequency, text, kFrequencyTextSize) == 0) return i;
    }
    return kNoPreset;
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

int storePresetFrequency(PresetTable& table, const char* text, int index) {
    if (index >= 0 && index < kPresetCount) copyFrequency(table.slot[index].frequency, text);
    return index;
}

void refreshWindowTitle(Program& program) {
    char title[kTitleSize];
    formatWindowTitle(program, title, sizeof title);
    program.platform->setWindowTitle(title);
}

void initialiseMainWindow(Program& program) {
    RadioSettings& s = program.settings;
    MainWindowState& w = program.window;
    MainWindowPlatform& platform = *program.platform;
    // displayRect is the fixed kDisplay* rectangle; nothing to set here.
    if (!readSettingsFile(kSettingsFileName, s, platform)) return;  // it has ended the program
    if (w.noTrayMode == 0) platform.prepareTrayIcons();
    copyFrequency(w.currentFrequency, s.lastStation());
    w.currentPresetIndex = matchPresetIndex(s, w.currentFrequency);
    refreshWindowTitle(program);
    if (s.powerStatus == 0) {
        s.powerStatus = 1;
        playButtonBeep(program);
        tune(program, s.lastStation());
    }
    platform.createTooltips();
    if (w.noTrayMode == 0 && s.trayStatus == 1) {
        s.powerStatus = 1;
        playButtonBeep(program);
        tune(program, s.lastStation());
        updateTrayIcon(program, kTrayAdd);
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
    case IDC_VOLUME_UP: stepVolume(program, static_cast<int>(commandWord)); return true;
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
    default: return false;   // 1124, 1152 and anything not the main window's own
    }
}

bool onMainLeftButtonDown(Program& program, unsigned long lParam) {
    const int x = static_cast<int>(lParam & 0xFFFFu);
    const int y = static_cast<int>((lParam >> 16) & 0xFFFFu);
    if (!insideDisplayRect(x, y)) return false;
    runJumpFlow(program);
    return true;
}

void exitProgram(Program& program) {
    MainWindowPlatform& platform = *program.platform;
    platform.stopTimer(kScanTimer);
    platform.stopTimer(kMemoryTimer);
    platform.stopTimer(kSchedulerPollTimer);
    platform.stopTimer(kPlayingTimeTimer);
    // On failure the writer has reported it and ended the process; stop here.
    if (writeRadioIni(program) != 0) return;
    if (program.window.noTrayMode == 0) updateTrayIcon(program, kTrayRemove);
    platform.destroyMainWindow();
    platform.releaseDisplayImages();
    platform.endProcess(0);
}

int saveSettingsAtSessionEnd(Program& program) { return writeRadioIni(program); }

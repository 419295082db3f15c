// All process-wide state of tunrix in one record, and the platform interface
// through which the main window's logic asks for everything it cannot do in
// portable code (windows, timers, sound, tray, dialogs).
#pragma once
#include <cstdint>
#include "card/port_io.h"
#include "common/system_services.h"
#include "settings/radio_settings.h"
#include "timed/local_time.h"
#include "timed/scheduler_state.h"
#include "timed/sleep_timer_state.h"
#include "ui/main_window_state.h"

enum TrayAction { kTrayAdd = 0, kTrayUpdate = 1, kTrayRemove = 2 };  // NIM_ADD, NIM_MODIFY, NIM_DELETE

enum DialogId { kOptionsDialog = 170, kJumpDialog = 137, kAboutDialog = 138,
                kSchedulerDialog = 200, kSleepTimerDialog = 202 };

struct MainWindowPlatform : SystemServices {
    // Invalidate displayRect of the main window without erasing.
    virtual void redrawDisplay() = 0;
    virtual void setWindowTitle(const char* title) = 0;
    virtual void setButtonCaption(int controlId, const char* caption) = 0;
    virtual void focusControl(int controlId) = 0;
    // Starts (or restarts with a fresh period) a timer of the main window.
    virtual void startTimer(int timerId, uint32_t periodMs) = 0;
    virtual void stopTimer(int timerId) = 0;
    // PlaySoundA(fileName, NULL, SND_FILENAME): synchronous, by file name.
    virtual void playSoundFile(const char* fileName) = 0;
    virtual void showMainWindow() = 0;      // shown normally
    virtual void hideMainWindow() = 0;
    virtual void bringMainWindowToForeground() = 0;
    virtual void destroyMainWindow() = 0;   // also clears mainWindow
    virtual void releaseDisplayImages() = 0;
    // Hands the notification record to the shell: icon on or off, tip text.
    virtual void shellNotifyIcon(TrayAction action, bool iconOn, const char* tip) = 0;
    // Runs a modal dialog owned by the main window; its procedure writes its
    // results straight into the Program record.
    virtual void runDialog(DialogId dialog) = 0;
    virtual LocalTime localTime() = 0;

    // Added for the main window's initialisation and tray: each is a step the
    // portable logic orders but only the skin can carry out. They have empty
    // bodies so that platforms without a tray or tooltips need not provide them.
    // Loads the tray's on and off icons (asked for only while noTrayMode is 0).
    virtual void prepareTrayIcons() {}
    // Creates the tooltip control and adds the main window's buttons as tools.
    virtual void createTooltips() {}
    // Reads the cursor position and shows the tray popup menu there, built
    // from buildTrayMenuModel; returns when the menu closes.
    virtual void showTrayMenu() {}
};

struct Program {
    RadioSettings settings;
    MainWindowState window;
    ScheduledEvent event;
    SleepTimerValues sleep;
    PortIo* port;
    MainWindowPlatform* platform;
};

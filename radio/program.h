// All process-wide state of tunrix in one record, and the platform it runs on
// as small interfaces by need (window, timers, sound, tray, dialogs, clock):
// what the portable logic asks for and only the skin can do.
#pragma once
#include <cstdint>
#include "card/port_io.h"
#include "common/system_services.h"
#include "radio/local_time.h"
#include "radio/scheduled_event.h"
#include "radio/sleep_values.h"
#include "radio/window_state.h"
#include "resources/resource.h"
#include "settings/radio_settings.h"

// The main window and its controls.
struct WindowPlatform {
    virtual ~WindowPlatform() = default;
    // Invalidate displayRect of the main window without erasing.
    virtual void redrawDisplay() = 0;
    virtual void setWindowTitle(const char* title) = 0;
    virtual void setButtonCaption(int controlId, const char* caption) = 0;
    virtual void focusControl(int controlId) = 0;
    virtual void showMainWindow() = 0;      // shown normally
    virtual void hideMainWindow() = 0;
    virtual void bringMainWindowToForeground() = 0;
    virtual void destroyMainWindow() = 0;   // also clears mainWindow
    virtual void releaseDisplayImages() = 0;
    // Creates the tooltip control and adds the main window's buttons as tools;
    // a platform without tooltips does nothing.
    virtual void createTooltips() {}
};

// The main window's timers.
struct TimerPlatform {
    virtual ~TimerPlatform() = default;
    // Starts (or restarts with a fresh period) a timer of the main window.
    virtual void startTimer(int timerId, uint32_t periodMs) = 0;
    virtual void stopTimer(int timerId) = 0;
};

// The button beep.
struct SoundPlatform {
    virtual ~SoundPlatform() = default;
    // PlaySoundA(fileName, NULL, SND_FILENAME): synchronous, by file name.
    virtual void playSoundFile(const char* fileName) = 0;
};

enum class TrayAction { add, update, remove };

constexpr int kTrayMenuTextSize = 24;   // "(10) [" + 9 characters + "]" and NUL fit

// What the tray's popup menu shows; the skin builds the real menu from it.
struct TrayMenuModel {
    char presetText[kPresetCount][kTrayMenuTextSize];   // item i has command 1000 + i
    bool startScanEnabled;
    bool stopScanEnabled;
};

// The notification area. A platform without one (Windows NT 3.x) is never
// asked, as noTrayMode is set there.
struct TrayPlatform {
    virtual ~TrayPlatform() = default;
    // Hands the notification record to the shell: icon on or off, tip text.
    virtual void shellNotifyIcon(TrayAction action, bool iconOn, const char* tip) = 0;
    // Loads the tray's on and off icons.
    virtual void prepareTrayIcons() {}
    // Shows the popup menu at the pointer; returns when it closes (a chosen
    // item arrives as a command).
    virtual void showTrayMenu(const TrayMenuModel& menu) { (void)menu; }
};

// The modal dialogs owned by the main window. Options, the scheduler and the
// sleep timer act on the Program record; Jump returns what it accepted.
enum DialogId { kOptionsDialog = IDD_OPTIONS, kAboutDialog = IDD_ABOUT,
                kSchedulerDialog = IDD_SCHEDULER, kSleepTimerDialog = IDD_SLEEP_TIMER };
constexpr int kJumpTextSize = 9;   // the Jump field's 8 characters and NUL

struct DialogPlatform {
    virtual ~DialogPlatform() = default;
    virtual void runDialog(DialogId dialog) = 0;
    // Runs the Jump dialog; true with the accepted text in `accepted` after an
    // accepted OK, false after Cancel.
    virtual bool runJumpDialog(char (&accepted)[kJumpTextSize]) = 0;
};

struct ClockPlatform {
    virtual ~ClockPlatform() = default;
    virtual LocalTime localTime() = 0;
};

// Everything the main window's logic asks of its platform; the skin answers
// all of it with one object, the tests with one recorder.
struct MainWindowPlatform : SystemServices, WindowPlatform, TimerPlatform, SoundPlatform,
                            TrayPlatform, DialogPlatform, ClockPlatform {};

struct Program {
    RadioSettings settings;
    MainWindowState window;
    ScheduledEvent event;
    SleepTimerValues sleep;
    PortIo* port;
    MainWindowPlatform* platform;
};

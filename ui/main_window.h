// The main window's logic: initialisation, the routing of every command,
// timer tick and press to the feature it belongs to, and exit. The skin turns
// each window message into one of these calls.
#pragma once
#include "radio/program.h"

// The dialog-initialisation work of the main window, after the skin has
// centred it: settings, title, first tuning, tooltips, tray start, show/hide.
void initialiseMainWindow(Program& program);
// A button click or menu choice: one command word, compared whole, so only
// notification code 0 counts. Returns false for commands that are not the
// main window's.
bool onMainCommand(Program& program, unsigned commandWord);
// A tick of timer 1-5; other ids are ignored.
void onMainTimer(Program& program, int timerId);
// The left button pressed at client position (x, y): inside the display it
// runs the Jump flow and returns true.
bool onPanelPress(Program& program, int x, int y);
// The right button pressed on the main window: ends the scan and memory mode.
void onPanelRightPress(Program& program);
// Stops the timers, writes radio.ini, removes the tray icon, destroys the
// window, releases the images and ends the process with 0.
void exitProgram(Program& program);
// When the session ends (log-off, shutdown) the process is ended without
// exitProgram; this writes radio.ini exactly as exitProgram does so that the
// run's changes are not lost. Returns writeSettingsFile's result.
int saveSettingsAtSessionEnd(Program& program);

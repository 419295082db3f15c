// The main window's logic: initialisation, commands, exit, and the small
// operations (beep, redraw, tray update) that the other features share.
#pragma once
#include <cstddef>
#include "ui/program.h"

constexpr std::size_t kTitleSize = 90;   // "Tunrix - " + 80-character description + NUL

// Plays "beep.wav" synchronously when buttonBeeps is set.
void playButtonBeep(Program& program);
// Invalidates displayRect without erasing; the next paint shows the new state.
void redrawDisplay(Program& program);
// Fills the tip and icon for the current power state and hands them to the
// shell; does nothing while noTrayMode is set.
void updateTrayIcon(Program& program, TrayAction action);

// Index 0-9 of the first preset whose frequency text equals `text` byte for
// byte; kNoPreset (10) when none does.
int matchPresetIndex(const RadioSettings& settings, const char* text);
// "Tunrix - <description of record currentPresetIndex>" with titleBarFlag set,
// else "Tunrix". kTitleSize bytes always suffice.
void formatWindowTitle(const Program& program, char* out, std::size_t capacity);
// Copies `text` (at most 9 characters) into the frequency of preset `index`
// (0-9; other indices write nothing); the description stays. Returns index.
int storePresetFrequency(PresetTable& table, const char* text, int index);
// Sets the main window's title to formatWindowTitle; the skin calls it after
// every paint as well.
void refreshWindowTitle(Program& program);

// The dialog-initialisation work of the main window, after the skin has
// centred it: settings, title, first tuning, tooltips, tray start, show/hide.
void initialiseMainWindow(Program& program);
// Handles one command word of the main window (only notification code 0
// counts). Returns false for commands that are not the main window's own:
// 1124 (scheduler) and 1152 (sleep timer) are routed by the skin to their owners.
bool onMainCommand(Program& program, unsigned commandWord);
// Left button pressed on the main window's surface; lParam carries the client
// position (x low 16 bits, y high 16 bits). Inside the display it runs the
// Jump flow and returns true.
bool onMainLeftButtonDown(Program& program, unsigned long lParam);
// Stops the timers, writes radio.ini, removes the tray icon, destroys the
// window, releases the images and ends the process with 0.
void exitProgram(Program& program);
// When the session ends (log-off, shutdown) the process is ended without
// exitProgram; this writes radio.ini exactly as exitProgram does so that the
// run's changes are not lost. Returns writeSettingsFile's result.
int saveSettingsAtSessionEnd(Program& program);

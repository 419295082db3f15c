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

int matchPresetIndex(const RadioSettings& settings, const char* text);
void formatWindowTitle(const Program& program, char* out, std::size_t capacity);
int storePresetFrequency(PresetTable& table, const char* text, int index);

void initialiseMainWindow(Program& program);
// Handles one command word of the main window (only notification code 0
// counts). Returns false for commands that are not the main window's own.
bool onMainCommand(Program& program, unsigned commandWord);
void exitProgram(Program& program);

// The operations every feature of the main window shares, each written once:
// the button beep, the display redraw, the tray icon, the title, the preset
// match, making a station current, tuning it, and switching the radio off.
#pragma once
#include <cstddef>
#include "radio/program.h"
#include "radio/radio.h"

constexpr std::size_t kTitleSize = 90;   // "Tunrix - " + 80-character description + NUL
constexpr const char* kStopScanCaption = "&Stop Scan";
constexpr const char* kStartScanCaption = "Preset &Scan";

// Plays "beep.wav" synchronously when buttonBeeps is set.
void playButtonBeep(Program& program);
// Invalidates displayRect without erasing; the next paint shows the new state.
void redrawDisplay(Program& program);
// Fills the tip and icon for the current power state and hands them to the
// shell; does nothing while noTrayMode is set.
void updateTrayIcon(Program& program, TrayAction action);

// "Tunrix - <description of record currentPresetIndex>" with titleBarFlag set,
// else "Tunrix". kTitleSize bytes always suffice.
void formatWindowTitle(const Program& program, char* out, std::size_t capacity);
// Sets the main window's title to formatWindowTitle; the skin calls it after
// every paint as well.
void refreshWindowTitle(Program& program);

// Makes `station` the current frequency and `presetIndex` (kNoPreset for
// none) the current preset. A station change ends the showing of a Jump's
// frequency; only a Jump itself passes keepJumpDisplay.
enum class JumpDisplay { end, keep };
void makeStationCurrent(Program& program, const char* station, int presetIndex,
                        JumpDisplay jump = JumpDisplay::end);
// Tunes the card to `station`; a text outside the band gets the range message
// and sends nothing.
void tuneStation(Program& program, const char* station);

// The ways the radio is switched off. Each has its own order of display,
// beep, tray and card, as the user meets it: a press is answered first and
// the card follows; a timer switches the card off first.
enum class SwitchOffBy { powerButton, trayClick, playingTimeEnd, sleepTimeEnd };
void switchRadioOff(Program& program, SwitchOffBy by);

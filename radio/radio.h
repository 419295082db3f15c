// The radio itself, as every front end drives it: the station that plays, the
// power, the volume steps and the presets, on the card and in RadioSettings.
// Each operation sends the card exactly what the window sends for the same
// action; the front end adds its own display, beeps and messages around it.
#pragma once
#include <cstdint>

#include "card/port_io.h"
#include "common/system_services.h"
#include "settings/radio_settings.h"

// The card's control port (base + 3) for a port as a user names it: the base
// address of the jumper (0x20C, 0x30C) or the control port itself (0x20F,
// 0x30F). 0 for anything else: the card is never written anywhere but there.
uint16_t controlPortFor(unsigned port);
// The base address (0x20C or 0x30C) of a control port, as Options shows it.
unsigned baseAddressOf(uint16_t controlPort);

// Tunes `station` on `controlPort` and marks the radio on. A text that is not
// a frequency in the band sends nothing and returns false; the message is the
// caller's to show.
bool playStation(PortIo& io, uint16_t controlPort, RadioSettings& settings, const char* station);
// Switches the card off and marks the radio off.
void switchOff(PortIo& io, uint16_t controlPort, RadioSettings& settings);

enum class VolumeStep { up, down };
// One volume step; the card takes it only while playing, so nothing is sent
// (and false returned) while the radio is off.
bool stepVolume(PortIo& io, uint16_t controlPort, const RadioSettings& settings, VolumeStep step);

// Stores a station (kept as typed, cut to a FrequencyText) and, when
// `description` is not null, a description (cut to 80 characters, line breaks
// as spaces) in preset 0-9. Returns false for any other index.
bool storePreset(RadioSettings& settings, int index, const char* station, const char* description);

// Index 0-9 of the first preset whose frequency text equals `text` byte for
// byte; kNoPreset (10) when none does.
int matchPresetIndex(const RadioSettings& settings, const char* text);

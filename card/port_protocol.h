// The card's write-only port protocol: tuning frame, control bytes, tuning word.
// Every operation reads settings.ioPort when it starts and writes only there.
#pragma once
#include <cstdint>
#include "card/port_io.h"
#include "common/system_services.h"
#include "settings/radio_settings.h"

uint16_t tuningWordFor(float frequencyMHz);

void tuneCard(PortIo& io, const RadioSettings& settings, uint16_t tuningWord);
void powerOffCard(PortIo& io, const RadioSettings& settings);
void volumeUp(PortIo& io, const RadioSettings& settings);
void volumeDown(PortIo& io, const RadioSettings& settings);
// Validates the text with parseFrequency (which shows its own message) and
// tunes; a rejected text sends nothing.
void tuneToFrequency(PortIo& io, const RadioSettings& settings, const char* text,
                     SystemServices& system);

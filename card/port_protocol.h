// The card's write-only port protocol: tuning frame, control bytes, tuning word.
// Every operation writes only to the control port it is given.
#pragma once
#include <cstdint>
#include "card/port_io.h"
#include "common/system_services.h"

uint16_t tuningWordFor(float frequencyMHz);

void tuneCard(PortIo& io, uint16_t port, uint16_t tuningWord);
void powerOffCard(PortIo& io, uint16_t port);
void volumeUp(PortIo& io, uint16_t port);
void volumeDown(PortIo& io, uint16_t port);
// Validates the text with parseFrequency (which shows its own message) and
// tunes; a rejected text sends nothing.
void tuneToFrequency(PortIo& io, uint16_t port, const char* text,
                     SystemServices& system);

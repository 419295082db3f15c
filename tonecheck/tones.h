// The speaker tone test of tonecheck: five notes played on the PC speaker
// through channel 2 of the system timer, to show that port access works.
#pragma once
#include <cstdint>

#include "card/port_io.h"

// Low 16 bits (signed): semitones above 400 Hz; high 16 bits (signed): duration in ms.
extern const uint32_t toneTable[5];

// One note: speaker on, divisor loaded, wait, speaker off.
void playTone(PortIo& io, uint32_t entry);

// The whole program after the driver check: without the driver it prints
// "Couldn't access giveio device\n" and touches no port. Returns the exit code.
int runToneTest(PortIo& io, bool driverOpened, void (*print)(const char* text));

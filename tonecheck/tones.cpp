// The five-note speaker test: each note switches the speaker on, loads timer
// channel 2 with the note's divisor, waits, and switches the speaker off.
#include "tonecheck/tones.h"

#include <cmath>

namespace {

constexpr uint16_t kTimerCounterPort = 0x42;
constexpr uint16_t kTimerCommandPort = 0x43;
constexpr uint16_t kSpeakerPort = 0x61;
constexpr uint8_t kTimerCommand = 0xB6;  // channel 2, low then high byte, mode 3, binary
constexpr uint8_t kSpeakerGate = 0x03;   // bit 0 gates channel 2, bit 1 feeds the speaker
constexpr int32_t kTimerClockHz = 1193180;

// Loads the timer with the divisor for f Hz.
void setToneFrequency(PortIo& io, int frequencyHz) {
    if (frequencyHz <= 0) return;  // no divisor exists; the table never asks for one
    const int32_t divisor = kTimerClockHz / frequencyHz;
    io.writeByte(kTimerCommandPort, kTimerCommand);
    io.writeByte(kTimerCounterPort, static_cast<uint8_t>(divisor & 0xFF));
    io.writeByte(kTimerCounterPort, static_cast<uint8_t>((divisor >> 8) & 0xFF));
}

}  // namespace

const uint32_t toneTable[5] = {0x01F4000E, 0x01F4000C, 0x01F40010, 0x01F40000, 0x03E80007};

void playTone(PortIo& io, uint32_t entry) {
    // The speaker is switched on before the new divisor is loaded.
    io.writeByte(kSpeakerPort, static_cast<uint8_t>(io.readByte(kSpeakerPort) | kSpeakerGate));
    const int semitones = static_cast<int16_t>(entry & 0xFFFF);
    const int frequencyHz = static_cast<int>(400.0 * std::pow(2.0, semitones / 12.0));
    setToneFrequency(io, frequencyHz);
    const int durationMs = static_cast<int16_t>(entry >> 16);
    io.sleepMs(durationMs > 0 ? static_cast<uint32_t>(durationMs) : 0);
    io.writeByte(kSpeakerPort, static_cast<uint8_t>(io.readByte(kSpeakerPort) & ~kSpeakerGate));
}

int runToneTest(PortIo& io, bool driverOpened, void (*print)(const char* text)) {
    if (!driverOpened) {
        print("Couldn't access giveio device\n");
        return -1;
    }
    for (uint32_t entry : toneTable) playTone(io, entry);
    return 0;
}

// The card's write-only protocol: a 24-bit frame clocked out with 16-bit writes,
// then control bytes that switch the audio and step the volume.
#include "card/port_protocol.h"

#include <cmath>

#include "card/frequency.h"

namespace {

// Lines of a bit transfer: bit 0 is set in every write, bit 1 is the clock,
// bit 2 the data.
constexpr uint16_t kZeroClockLow = 0x0001;
constexpr uint16_t kZeroClockHigh = 0x0003;
constexpr uint16_t kOneClockLow = 0x0005;
constexpr uint16_t kOneClockHigh = 0x0007;

constexpr int kFrameTail = 0xA0;
constexpr uint16_t kPowerOffWord = 0x0F6C;  // the word of 88.0 MHz

// Control bytes.
constexpr uint8_t kAllLow = 0x00;
constexpr uint8_t kPlaying = 0xC8;
constexpr uint8_t kOff = 0xC0;
constexpr uint8_t kVolumeUpPressed = 0x88;
constexpr uint8_t kVolumeDownPressed = 0x48;

constexpr uint32_t kSettleMs = 200;

void sendBits(PortIo& io, uint16_t port, int value, int bitCount) {
    for (int i = 0; i < bitCount; ++i) {
        const bool one = ((static_cast<unsigned>(value) >> i) & 1u) != 0;
        const uint16_t low = one ? kOneClockLow : kZeroClockLow;
        const uint16_t high = one ? kOneClockHigh : kZeroClockHigh;
        io.writeWord(port, low);
        io.writeWord(port, low);
        io.writeWord(port, high);
        io.writeWord(port, high);
    }
}

void sendFrame(PortIo& io, uint16_t port, uint16_t word) {
    sendBits(io, port, word, 16);
    sendBits(io, port, kFrameTail, 8);
}

void volumeStep(PortIo& io, uint16_t port, uint8_t pressed) {
    io.writeByte(port, pressed);
    io.sleepMs(kSettleMs);
    io.writeByte(port, kPlaying);
}

}  // namespace

uint16_t tuningWordFor(float frequencyMHz) {
    // Cut toward zero, not rounded: one-decimal frequencies whose single
    // precision value lies just below the tenth get a word one lower.
    const double steps = std::trunc((static_cast<double>(frequencyMHz) - 88.0) * 40.0) + 3948.0;
    if (!(steps >= 0.0)) return 0;
    if (steps > 65535.0) return 65535;
    return static_cast<uint16_t>(steps);
}

void tuneCard(PortIo& io, uint16_t port, uint16_t tuningWord) {
    sendFrame(io, port, tuningWord);
    io.writeByte(port, kAllLow);
    io.sleepMs(kSettleMs);
    io.writeByte(port, kPlaying);
}

void powerOffCard(PortIo& io, uint16_t port) {
    sendFrame(io, port, kPowerOffWord);
    io.writeByte(port, kAllLow);
    io.writeByte(port, kOff);
}

void volumeUp(PortIo& io, uint16_t port) { volumeStep(io, port, kVolumeUpPressed); }

void volumeDown(PortIo& io, uint16_t port) {
    volumeStep(io, port, kVolumeDownPressed);
}

void tuneToFrequency(PortIo& io, uint16_t port, const char* text,
                     SystemServices& system) {
    const float frequency = parseFrequency(text, system);
    if (frequency == 0.0f) return;
    tuneCard(io, port, tuningWordFor(frequency));
}

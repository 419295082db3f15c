// The virtual card's decoder: bit transfers sampled on the clock's rising edge,
// the 24-bit frame, the control-byte sequences, and the speaker's timer ports.
#include "card/virtual_card.h"

#include <cstdarg>
#include <cstdio>

namespace {

constexpr uint16_t kTimerCounterPort = 0x42;
constexpr uint16_t kTimerCommandPort = 0x43;
constexpr uint16_t kSpeakerPort = 0x61;
constexpr uint8_t kTimerCommand = 0xB6;  // channel 2, low then high byte, square wave
constexpr uint32_t kTimerClockHz = 1193180;
constexpr uint32_t kSettleMs = 200;
constexpr uint32_t kFrameTail = 0xA0;

bool isSpeakerPort(uint16_t port) {
    return port == kTimerCounterPort || port == kTimerCommandPort || port == kSpeakerPort;
}

uint32_t addSaturated(uint32_t a, uint32_t b) { return a > UINT32_MAX - b ? UINT32_MAX : a + b; }

}  // namespace

VirtualCard::VirtualCard(SleepFunction sleep, const char* logPath)
    : sleep_(sleep), logPath_(logPath) {
    lastLine_[0] = '\0';
}

void VirtualCard::log(const char* line) {
    std::snprintf(lastLine_, sizeof lastLine_, "%s", line);
    if (sink_ != nullptr) sink_(sinkContext_, line);
    if (logPath_ == nullptr) return;
    std::FILE* file = std::fopen(logPath_, "ab");
    if (file == nullptr) return;
    std::fprintf(file, "%s\n", line);
    std::fflush(file);
    std::fclose(file);
}

// One error line; an operation in progress is dropped, and the writes that
// remain of it are ignored up to its final byte (0xC8 or 0xC0).
void VirtualCard::fail(uint16_t port, const char* format, ...) {
    char what[120];
    va_list args;
    va_start(args, format);
    std::vsnprintf(what, sizeof what, format, args);
    va_end(args);
    char line[sizeof lastLine_];
    std::snprintf(line, sizeof line, "0x%x error %s", static_cast<unsigned>(port), what);
    ++errors_;
    log(line);
    if (!isSpeakerPort(port) && phase_ != Phase::idle) phase_ = Phase::resync;
}

void VirtualCard::finishOperation(uint16_t port, const char* what) {
    char line[sizeof lastLine_];
    std::snprintf(line, sizeof line, "0x%x %s", static_cast<unsigned>(port), what);
    phase_ = Phase::idle;
    log(line);
}

// Each level of a bit transfer is written exactly twice.
bool VirtualCard::levelRunOk(uint16_t port) {
    if (level_ < 0 || levelRun_ == 2) return true;
    fail(port, "level 0x%04x written %d times instead of twice", static_cast<unsigned>(level_),
         levelRun_);
    return false;
}

void VirtualCard::writeWord(uint16_t port, uint16_t value) {
    if (isSpeakerPort(port)) {
        fail(port, "16-bit write of 0x%04x to a speaker port", static_cast<unsigned>(value));
        return;
    }
    if (phase_ == Phase::resync) return;
    if (value != 0x01 && value != 0x03 && value != 0x05 && value != 0x07) {
        fail(port, "16-bit value 0x%04x is not a bit transfer", static_cast<unsigned>(value));
        return;
    }
    if (phase_ == Phase::idle) {
        phase_ = Phase::frame;
        operationPort_ = port;
        frame_ = 0;
        bitCount_ = 0;
        level_ = -1;
        levelRun_ = 0;
    } else if (phase_ != Phase::frame) {
        fail(port, "bit transfer in the middle of a control sequence");
        return;
    }
    if (port != operationPort_) {
        fail(port, "bit transfer to another port than 0x%x", static_cast<unsigned>(operationPort_));
        return;
    }
    if (value == level_) {
        if (++levelRun_ > 2) fail(port, "level 0x%04x written more than twice", value);
        return;
    }
    if (!levelRunOk(port)) return;
    const bool clockHigh = (value & 0x02) != 0;
    if (clockHigh) {
        // Data is taken on the rising edge and must have been set up while
        // the clock was low.
        if (level_ != (value & ~0x02)) {
            fail(port, "clock rose from 0x%04x to 0x%04x", static_cast<unsigned>(level_ < 0 ? 0 : level_),
                 static_cast<unsigned>(value));
            return;
        }
        if (bitCount_ >= 24) {
            fail(port, "frame longer than 24 bits");
            return;
        }
        frame_ |= static_cast<uint32_t>((value >> 2) & 1) << bitCount_;
        ++bitCount_;
    }
    level_ = value;
    levelRun_ = 1;
}

void VirtualCard::writeByte(uint16_t port, uint8_t value) {
    if (isSpeakerPort(port)) speakerByte(port, value);
    else cardByte(port, value);
}

void VirtualCard::cardByte(uint16_t port, uint8_t value) {
    if (phase_ == Phase::resync) {
        if (value == 0xC8 || value == 0xC0) phase_ = Phase::idle;
        return;
    }
    if (phase_ != Phase::idle && port != operationPort_) {
        fail(port, "control byte 0x%02x to another port than 0x%x", value,
             static_cast<unsigned>(operationPort_));
        return;
    }
    switch (value) {
    case 0x00: {
        if (phase_ != Phase::frame) {
            fail(port, "control byte 0x00 without a frame before it");
            return;
        }
        if (bitCount_ != 24) {
            fail(port, "frame of %d bits instead of 24", bitCount_);
            return;
        }
        if (!levelRunOk(port)) return;
        const uint32_t tail = frame_ >> 16;
        if (tail != kFrameTail) {
            fail(port, "frame ends with 0x%02x instead of 0xa0", static_cast<unsigned>(tail));
            return;
        }
        phase_ = Phase::latched;
        waitedMs_ = 0;
        return;
    }
    case 0xC8: {
        if (phase_ != Phase::latched && phase_ != Phase::volumeUp && phase_ != Phase::volumeDown) {
            fail(port, "control byte 0xc8 out of sequence");
            phase_ = Phase::idle;
            return;
        }
        if (waitedMs_ < kSettleMs) {
            fail(port, "control byte 0xc8 after %u ms instead of %u", static_cast<unsigned>(waitedMs_),
                 static_cast<unsigned>(kSettleMs));
            phase_ = Phase::idle;
            return;
        }
        // 0xC8 leaves the audio on, after a tune and after a volume step.
        playing_ = true;
        if (phase_ == Phase::latched) {
            word_ = static_cast<uint16_t>(frame_ & 0xFFFF);
            const long thousandths = static_cast<long>(word_) * 25 - 10700;  // word x 0.025 - 10.7
            const unsigned long magnitude = static_cast<unsigned long>(thousandths < 0 ? -thousandths : thousandths);
            char what[64];
            std::snprintf(what, sizeof what, "tune %u %s%lu.%03lu", static_cast<unsigned>(word_),
                          thousandths < 0 ? "-" : "", magnitude / 1000, magnitude % 1000);
            finishOperation(port, what);
        } else if (phase_ == Phase::volumeUp) {
            ++volumeSteps_;
            finishOperation(port, "volume up");
        } else {
            --volumeSteps_;
            finishOperation(port, "volume down");
        }
        return;
    }
    case 0xC0:
        if (phase_ != Phase::latched) {
            fail(port, "control byte 0xc0 out of sequence");
            phase_ = Phase::idle;
            return;
        }
        word_ = static_cast<uint16_t>(frame_ & 0xFFFF);
        playing_ = false;
        finishOperation(port, "off");
        return;
    case 0x88:
    case 0x48:
        if (phase_ != Phase::idle) {
            fail(port, "control byte 0x%02x out of sequence", value);
            return;
        }
        phase_ = value == 0x88 ? Phase::volumeUp : Phase::volumeDown;
        operationPort_ = port;
        waitedMs_ = 0;
        return;
    default:
        fail(port, "control byte 0x%02x is not part of the protocol", value);
        return;
    }
}

void VirtualCard::speakerByte(uint16_t port, uint8_t value) {
    if (port == kTimerCommandPort) {
        if (value != kTimerCommand) {
            fail(port, "timer command 0x%02x instead of 0xb6", value);
            return;
        }
        timer_ = Timer::expectLow;
        return;
    }
    if (port == kTimerCounterPort) {
        if (timer_ == Timer::expectLow) {
            divisorLow_ = value;
            timer_ = Timer::expectHigh;
        } else if (timer_ == Timer::expectHigh) {
            divisor_ = static_cast<uint32_t>(divisorLow_) | (static_cast<uint32_t>(value) << 8);
            divisorLoaded_ = true;
            timer_ = Timer::idle;
        } else {
            fail(port, "divisor byte 0x%02x without the timer command 0xb6", value);
        }
        return;
    }
    // Port 0x61: bits 0 and 1 open the gate together; the other bits must be
    // written back as they were read.
    const unsigned oldGate = speakerControl_ & 0x03u;
    const unsigned newGate = value & 0x03u;
    if (newGate != oldGate) {
        if ((value & ~0x03u) != (speakerControl_ & ~0x03u)) {
            fail(port, "speaker gate switched with other bits changed (0x%02x to 0x%02x)", speakerControl_,
                 value);
            return;
        }
        if (newGate == 0x01u || newGate == 0x02u) {
            fail(port, "speaker gate bits set apart (0x%02x)", value);
            return;
        }
    }
    speakerControl_ = value;
    if (newGate == 0x03u && oldGate != 0x03u) {
        gateOpen_ = true;
        gateMs_ = 0;
    } else if (newGate == 0x00u && oldGate == 0x03u) {
        gateOpen_ = false;
        if (!divisorLoaded_) {
            fail(kTimerCounterPort, "speaker sounded with no timer divisor loaded");
            return;
        }
        const uint32_t count = divisor_ == 0 ? 65536u : divisor_;  // the timer counts 0 as 65536
        char line[sizeof lastLine_];
        std::snprintf(line, sizeof line, "0x%x tone %u %u %u", static_cast<unsigned>(kTimerCounterPort),
                      static_cast<unsigned>(divisor_), static_cast<unsigned>(kTimerClockHz / count),
                      static_cast<unsigned>(gateMs_));
        log(line);
    }
}

void VirtualCard::sleepMs(uint32_t milliseconds) {
    if (sleep_ != nullptr) sleep_(milliseconds);
    waitedMs_ = addSaturated(waitedMs_, milliseconds);
    if (gateOpen_) gateMs_ = addSaturated(gateMs_, milliseconds);
}

uint8_t VirtualCard::readByte(uint16_t port) {
    // The card is write-only; an empty port reads as all ones.
    return port == kSpeakerPort ? speakerControl_ : 0xFF;
}

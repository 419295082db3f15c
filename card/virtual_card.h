// The virtual card: a PortIo that decodes what the FM card (and, for tonecheck,
// the PC speaker) would receive, keeps their state and logs each operation.
#pragma once
#include <cstddef>
#include <cstdint>

#include "card/port_io.h"

// Log lines, one per completed operation, flushed at once:
//   0x20f tune 4471 101.075      0x20f off      0x20f volume up / volume down
//   0x42 tone 1330 897 500       <port> error <what was wrong>
// A faulty operation gives one error line and leaves the card as it was.
struct VirtualCard : PortIo {
    // sleep: really waits (the Win32 programs pass a wrapper of Sleep; tests a
    // recorder); may be null. logPath: the file the lines are appended to
    // (kept by pointer, not copied); null logs to memory only.
    explicit VirtualCard(SleepFunction sleep, const char* logPath = "card.log");

    // Also hands each line to `sink` (with `context`) as it is logged; the
    // unit tests watch the card through this.
    typedef void (*LineSink)(void* context, const char* line);
    void setLineSink(LineSink sink, void* context) {
        sink_ = sink;
        sinkContext_ = context;
    }

    void writeWord(uint16_t port, uint16_t value) override;
    void writeByte(uint16_t port, uint8_t value) override;
    void sleepMs(uint32_t milliseconds) override;
    uint8_t readByte(uint16_t port) override;

    // The card as its last completed operation left it.
    uint16_t tuningWord() const { return word_; }
    bool playing() const { return playing_; }
    int volumeSteps() const { return volumeSteps_; }  // ups minus downs
    int errorCount() const { return errors_; }
    const char* lastLogLine() const { return lastLine_; }

    // What port 0x61 reads; writes to it change it.
    uint8_t speakerControl() const { return speakerControl_; }

private:
    enum class Phase { idle, frame, latched, volumeUp, volumeDown, resync };
    enum class Timer { idle, expectLow, expectHigh };

    void cardByte(uint16_t port, uint8_t value);
    void speakerByte(uint16_t port, uint8_t value);
    void finishOperation(uint16_t port, const char* what);
    void fail(uint16_t port, const char* format, ...);
    void log(const char* line);
    bool levelRunOk(uint16_t port);

    SleepFunction sleep_;
    const char* logPath_;
    LineSink sink_ = nullptr;
    void* sinkContext_ = nullptr;
    char lastLine_[160];
    int errors_ = 0;

    // Card.
    uint16_t word_ = 0;
    bool playing_ = false;
    int volumeSteps_ = 0;
    Phase phase_ = Phase::idle;
    uint16_t operationPort_ = 0;
    uint32_t frame_ = 0;
    int bitCount_ = 0;
    int level_ = -1;      // last bit-transfer value of this frame, -1 before the first
    int levelRun_ = 0;    // how often it was written in a row
    uint32_t waitedMs_ = 0;

    // Speaker and timer channel 2.
    uint8_t speakerControl_ = 0x30;
    Timer timer_ = Timer::idle;
    uint8_t divisorLow_ = 0;
    uint32_t divisor_ = 0;
    bool divisorLoaded_ = false;
    bool gateOpen_ = false;
    uint32_t gateMs_ = 0;
};

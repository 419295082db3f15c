// The virtual card decodes exactly what the protocol sends and reports what
// the protocol never sends.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "card/port_protocol.h"
#include "card/virtual_card.h"
#include "fake_system_services.h"
#include "recording_port_io.h"
#include "tonecheck/tones.h"

namespace {

std::vector<uint32_t> g_sleeps;
void recordSleep(uint32_t ms) { g_sleeps.push_back(ms); }

struct LogFile {
    std::string path;
    LogFile() {
        char name[] = "/tmp/tunrix-card-XXXXXX";
        const int fd = mkstemp(name);
        close(fd);
        path = name;
        std::remove(name);  // the card creates it on its first line
    }
    ~LogFile() { std::remove(path.c_str()); }
    std::string text() const {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
};

void replay(const std::vector<PortEvent>& events, PortIo& io) {
    for (const PortEvent& e : events) {
        switch (e.kind) {
        case PortEvent::word: io.writeWord(e.port, static_cast<uint16_t>(e.value)); break;
        case PortEvent::byte: io.writeByte(e.port, static_cast<uint8_t>(e.value)); break;
        case PortEvent::sleep: io.sleepMs(e.value); break;
        case PortEvent::read: io.readByte(e.port); break;
        }
    }
}

std::vector<PortEvent> tuneTranscript(const char* text) {
    RecordingPortIo io;
    FakeSystemServices system;
    tuneToFrequency(io, 0x20F, text, system);
    return io.events;
}

}  // namespace

TEST(VirtualCard, DecodesEveryOperationAndLogsIt) {
    LogFile log;
    g_sleeps.clear();
    VirtualCard card(recordSleep, log.path.c_str());
    FakeSystemServices system;
    const uint16_t at20f = 0x20F;
    const uint16_t at30f = 0x30F;

    struct Step {
        std::function<void()> run;
        const char* line;
        uint16_t word;
        bool playing;
        int volume;
    } steps[] = {
        {[&] { tuneToFrequency(card, at20f, "101.1", system); }, "0x20f tune 4471 101.075", 4471, true, 0},
        {[&] { volumeUp(card, at20f); }, "0x20f volume up", 4471, true, 1},
        {[&] { volumeUp(card, at20f); }, "0x20f volume up", 4471, true, 2},
        {[&] { volumeDown(card, at20f); }, "0x20f volume down", 4471, true, 1},
        {[&] { powerOffCard(card, at20f); }, "0x20f off", 0x0F6C, false, 1},
        {[&] { tuneToFrequency(card, at30f, "087.5", system); }, "0x30f tune 3928 87.500", 3928, true, 1},
        {[&] { tuneToFrequency(card, at30f, "108.0", system); }, "0x30f tune 4748 108.000", 4748, true, 1},
        {[&] { tuneCard(card, at20f, 100); }, "0x20f tune 100 -8.200", 100, true, 1},
    };
    std::string expectedLog;
    for (const Step& s : steps) {
        s.run();
        EXPECT_STREQ(card.lastLogLine(), s.line);
        EXPECT_EQ(card.tuningWord(), s.word) << s.line;
        EXPECT_EQ(card.playing(), s.playing) << s.line;
        EXPECT_EQ(card.volumeSteps(), s.volume) << s.line;
        expectedLog += std::string(s.line) + "\n";
    }
    EXPECT_EQ(log.text(), expectedLog);
    EXPECT_EQ(card.errorCount(), 0);
    // Tunes and volume steps really wait; power-off does not.
    EXPECT_EQ(g_sleeps, std::vector<uint32_t>(7, 200));
}

TEST(VirtualCard, ReportsFaultsAndKeepsItsState) {
    const std::vector<PortEvent> good = tuneTranscript("101.1");
    ASSERT_EQ(good.size(), 99u);
    auto without = [&](std::size_t from, std::size_t count) {
        std::vector<PortEvent> e = good;
        e.erase(e.begin() + static_cast<long>(from), e.begin() + static_cast<long>(from + count));
        return e;
    };
    auto flipTailBit = [&](int bit) {  // bit 0-7 of the 0xA0 tail
        std::vector<PortEvent> e = good;
        for (int k = 0; k < 4; ++k) e[(16 + bit) * 4 + k].value ^= 0x04;
        return e;
    };
    auto with = [&](std::size_t at, PortEvent event) {
        std::vector<PortEvent> e = good;
        e[at] = event;
        return e;
    };
    struct Case {
        const char* label;
        std::vector<PortEvent> events;
        const char* line;
    } cases[] = {
        {"tail bit 7 cleared", flipTailBit(7), "0x20f error frame ends with 0x20 instead of 0xa0"},
        {"tail bit 0 set", flipTailBit(0), "0x20f error frame ends with 0xa1 instead of 0xa0"},
        {"one bit missing", without(0, 4), "0x20f error frame of 23 bits instead of 24"},
        {"level written once", without(0, 1), "0x20f error level 0x0005 written 1 times instead of twice"},
        {"level written three times", [&] {
             std::vector<PortEvent> e = good;
             e.insert(e.begin(), e[0]);
             return e;
         }(), "0x20f error level 0x0005 written more than twice"},
        {"no wait before 0xc8", without(97, 1), "0x20f error control byte 0xc8 after 0 ms instead of 200"},
        {"value never sent", with(10, wordWrite(0x20F, 0x0009)), "0x20f error 16-bit value 0x0009 is not a bit transfer"},
        {"data changes with the clock", with(14, wordWrite(0x20F, 0x07)), "0x20f error clock rose from 0x0001 to 0x0007"},
        {"unknown control byte", with(96, byteWrite(0x20F, 0x10)), "0x20f error control byte 0x10 is not part of the protocol"},
        {"port changes mid-frame", with(40, wordWrite(0x30F, 0x01)), "0x30f error bit transfer to another port than 0x20f"},
        {"stray 0xc8", {byteWrite(0x20F, 0xC8)}, "0x20f error control byte 0xc8 out of sequence"},
        {"stray 0xc0", {byteWrite(0x20F, 0xC0)}, "0x20f error control byte 0xc0 out of sequence"},
        {"stray 0x00", {byteWrite(0x20F, 0x00)}, "0x20f error control byte 0x00 without a frame before it"},
        {"off after a volume press", {byteWrite(0x20F, 0x88), byteWrite(0x20F, 0xC0)},
         "0x20f error control byte 0xc0 out of sequence"},
        {"frame in a volume step", {byteWrite(0x20F, 0x48), wordWrite(0x20F, 1), wait(200), byteWrite(0x20F, 0xC8)},
         "0x20f error bit transfer in the middle of a control sequence"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        LogFile log;
        VirtualCard card(nullptr, log.path.c_str());
        FakeSystemServices system;
        tuneToFrequency(card, 0x20F, "088.0", system);
        volumeUp(card, 0x20F);
        replay(c.events, card);
        EXPECT_STREQ(card.lastLogLine(), c.line);
        EXPECT_EQ(card.errorCount(), 1);
        EXPECT_EQ(card.tuningWord(), 3948);
        EXPECT_TRUE(card.playing());
        EXPECT_EQ(card.volumeSteps(), 1);
        // The card takes the next sound operation as usual.
        tuneToFrequency(card, 0x20F, "100.0", system);
        EXPECT_STREQ(card.lastLogLine(), "0x20f tune 4428 100.000");
        EXPECT_EQ(log.text(), "0x20f tune 3948 88.000\n0x20f volume up\n" + std::string(c.line) +
                                  "\n0x20f tune 4428 100.000\n");
    }
}

TEST(VirtualCard, PlaysTheToneTest) {
    LogFile log;
    g_sleeps.clear();
    VirtualCard card(recordSleep, log.path.c_str());
    EXPECT_EQ(runToneTest(card, true, [](const char*) { FAIL() << "nothing is printed"; }), 0);
    EXPECT_EQ(log.text(),
              "0x42 tone 1330 897 500\n0x42 tone 1491 800 500\n0x42 tone 1184 1007 500\n"
              "0x42 tone 2982 400 500\n0x42 tone 1991 599 1000\n");
    EXPECT_EQ(card.speakerControl(), 0x30);
    EXPECT_EQ(card.errorCount(), 0);
    EXPECT_EQ(g_sleeps, (std::vector<uint32_t>{500, 500, 500, 500, 1000}));
}

TEST(VirtualCard, ReportsSpeakerFaults) {
    struct Case {
        const char* label;
        std::vector<PortEvent> events;
        const char* line;
        uint8_t control;  // port 0x61 afterwards
    } cases[] = {
        {"divisor without command", {byteWrite(0x42, 0x32)}, "0x42 error divisor byte 0x32 without the timer command 0xb6", 0x30},
        {"other timer command", {byteWrite(0x43, 0x36)}, "0x43 error timer command 0x36 instead of 0xb6", 0x30},
        {"gate with other bits changed", {byteWrite(0x61, 0x13)},
         "0x61 error speaker gate switched with other bits changed (0x30 to 0x13)", 0x30},
        {"gate bits apart", {byteWrite(0x61, 0x31)}, "0x61 error speaker gate bits set apart (0x31)", 0x30},
        {"tone with no divisor", {byteWrite(0x61, 0x33), wait(5), byteWrite(0x61, 0x30)},
         "0x42 error speaker sounded with no timer divisor loaded", 0x30},
        {"16-bit write", {wordWrite(0x61, 0x33)}, "0x61 error 16-bit write of 0x0033 to a speaker port", 0x30},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        VirtualCard card(nullptr, nullptr);
        replay(c.events, card);
        EXPECT_STREQ(card.lastLogLine(), c.line);
        EXPECT_EQ(card.errorCount(), 1);
        EXPECT_EQ(card.speakerControl(), c.control);
    }
}

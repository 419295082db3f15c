// Port writes of the card protocol: frames, control bytes, tuning words, port choice.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "card/frequency.h"
#include "card/port_protocol.h"
#include "fake_system_services.h"
#include "recording_port_io.h"

namespace {

// The four writes of one bit, as the card's clock and data lines see them.
void expectBits(const std::vector<PortEvent>& events, std::size_t start, uint16_t port,
                const std::vector<int>& bits) {
    ASSERT_GE(events.size(), start + bits.size() * 4);
    for (std::size_t i = 0; i < bits.size(); ++i) {
        const uint16_t low = bits[i] ? 0x05 : 0x01;
        const uint16_t high = bits[i] ? 0x07 : 0x03;
        const std::size_t at = start + i * 4;
        EXPECT_EQ(events[at], wordWrite(port, low)) << "bit " << i;
        EXPECT_EQ(events[at + 1], wordWrite(port, low)) << "bit " << i;
        EXPECT_EQ(events[at + 2], wordWrite(port, high)) << "bit " << i;
        EXPECT_EQ(events[at + 3], wordWrite(port, high)) << "bit " << i;
    }
}

const std::vector<int> kWord088 = {0, 0, 1, 1, 0, 1, 1, 0, 1, 1, 1, 1, 0, 0, 0, 0};
const std::vector<int> kTailA0 = {0, 0, 0, 0, 0, 1, 0, 1};

}  // namespace

TEST(PortProtocol, Tune088WritesFrameThenZeroWaitAndPlaying) {
    RecordingPortIo io;
    FakeSystemServices system;
    const uint16_t port = 0x20F;
    tuneToFrequency(io, port, "088.0", system);

    // 96 bit-transfer writes, 0x00, the wait, 0xC8: 98 writes and one wait.
    ASSERT_EQ(io.events.size(), 99u);
    expectBits(io.events, 0, 0x20F, kWord088);
    expectBits(io.events, 64, 0x20F, kTailA0);
    EXPECT_EQ(io.events[96], byteWrite(0x20F, 0x00));
    EXPECT_EQ(io.events[97], wait(200));
    EXPECT_EQ(io.events[98], byteWrite(0x20F, 0xC8));
    EXPECT_TRUE(system.messages.empty());
}

TEST(PortProtocol, Tune100SendsWord0x114C) {
    RecordingPortIo io;
    FakeSystemServices system;
    tuneToFrequency(io, 0x20F, "100.0", system);
    expectBits(io.events, 0, 0x20F, {0, 0, 1, 1, 0, 0, 1, 0, 1, 0, 0, 0, 1, 0, 0, 0});
}

TEST(PortProtocol, PowerOffSendsWordOf088ThenZeroAndOffWithoutWait) {
    RecordingPortIo io;
    powerOffCard(io, 0x20F);
    ASSERT_EQ(io.events.size(), 98u);
    expectBits(io.events, 0, 0x20F, kWord088);
    expectBits(io.events, 64, 0x20F, kTailA0);
    EXPECT_EQ(io.events[96], byteWrite(0x20F, 0x00));
    EXPECT_EQ(io.events[97], byteWrite(0x20F, 0xC0));
}

TEST(PortProtocol, VolumeStepsAreTwoBytesAroundOneWait) {
    struct Case {
        void (*step)(PortIo&, uint16_t);
        uint8_t pressed;
    } cases[] = {{volumeUp, 0x88}, {volumeDown, 0x48}};
    for (const Case& c : cases) {
        RecordingPortIo io;
        c.step(io, 0x30F);
        const std::vector<PortEvent> expected = {byteWrite(0x30F, c.pressed), wait(200),
                                                 byteWrite(0x30F, 0xC8)};
        EXPECT_EQ(io.events, expected);
    }
}

TEST(PortProtocol, EveryWriteGoesToTheConfiguredPort) {
    RecordingPortIo io;
    FakeSystemServices system;
    const uint16_t port = 0x30F;
    tuneToFrequency(io, port, "101.5", system);
    powerOffCard(io, port);
    volumeUp(io, port);
    volumeDown(io, port);
    for (const PortEvent& e : io.events) {
        if (e.kind != PortEvent::sleep) {
            EXPECT_EQ(e.port, 0x30F);
        }
    }
    EXPECT_EQ(io.events.size(), 99u + 98u + 3u + 3u);
}

TEST(PortProtocol, TuningWordsAreCutTowardZero) {
    struct Case {
        const char* text;
        uint16_t word;
    } cases[] = {{"087.5", 3928}, {"087.8", 3941}, {"087.9", 3945}, {"088.0", 3948},
                 {"088.1", 3951}, {"100.0", 4428}, {"101.1", 4471}, {"101.5", 4488},
                 {"107.7", 4735}, {"108.0", 4748}};
    FakeSystemServices system;
    for (const Case& c : cases) {
        EXPECT_EQ(tuningWordFor(parseFrequency(c.text, system)), c.word) << c.text;

        // The same word is what the frame carries, least significant bit first.
        RecordingPortIo io;
        tuneToFrequency(io, 0x20F, c.text, system);
        ASSERT_EQ(io.events.size(), 99u) << c.text;
        unsigned sent = 0;
        for (int bit = 0; bit < 16; ++bit) {
            if (io.events[bit * 4 + 2].value == 0x07) sent |= 1u << bit;
        }
        EXPECT_EQ(sent, c.word) << c.text;
    }
    EXPECT_TRUE(system.messages.empty());
}

TEST(PortProtocol, WordsAcrossTheBandFollowTheTenthsDigit) {
    // Tenths 1, 2, 6, 7 (88.1-107.7) get one less than 40 x (f + 10.7); the rest exact.
    FakeSystemServices system;
    for (int tenths = 881; tenths <= 1077; ++tenths) {
        char text[8];
        std::snprintf(text, sizeof text, "%05.1f", tenths / 10.0);
        const int exact = (tenths + 107) * 4;
        const int digit = tenths % 10;
        const int expected = (digit == 1 || digit == 2 || digit == 6 || digit == 7) ? exact - 1 : exact;
        EXPECT_EQ(tuningWordFor(parseFrequency(text, system)), expected) << text;
    }
}

TEST(PortProtocol, RejectedTextWritesNothingAndShowsTheMessage) {
    const char* rejected[] = {"120.0", "087.4", "108.1", "N/A", "", "nan"};
    for (const char* text : rejected) {
        RecordingPortIo io;
        FakeSystemServices system;
        tuneToFrequency(io, 0x20F, text, system);
        EXPECT_TRUE(io.events.empty()) << text;
        ASSERT_EQ(system.messages.size(), 1u) << text;
        EXPECT_EQ(system.messages[0].text, "Frequency out of Range!\n");
        EXPECT_EQ(system.messages[0].title, "Error");
    }
}

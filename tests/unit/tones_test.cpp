// tonecheck's port transcript: five notes, each gate on, divisor, wait, gate off.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "recording_port_io.h"
#include "tonecheck/tones.h"

namespace {
std::string g_printed;
void capture(const char* text) { g_printed += text; }
}  // namespace

TEST(ToneTest, WithoutTheDriverPrintsAndTouchesNoPort) {
    RecordingPortIo io;
    g_printed.clear();
    EXPECT_EQ(runToneTest(io, false, capture), -1);
    EXPECT_EQ(g_printed, "Couldn't access giveio device\n");
    EXPECT_TRUE(io.events.empty());
}

TEST(ToneTest, PlaysTheFiveNotesInOrder) {
    RecordingPortIo io;
    io.readValue = 0x30;
    g_printed.clear();
    EXPECT_EQ(runToneTest(io, true, capture), 0);
    EXPECT_TRUE(g_printed.empty());

    struct Note {
        uint8_t low, high;
        uint32_t ms;
    } notes[] = {{0x32, 0x05, 500}, {0xD3, 0x05, 500}, {0xA0, 0x04, 500}, {0xA6, 0x0B, 500}, {0xC7, 0x07, 1000}};
    std::vector<PortEvent> expected;
    for (const Note& n : notes) {
        const std::vector<PortEvent> one = {portRead(0x61, 0x30), byteWrite(0x61, 0x33), byteWrite(0x43, 0xB6),
                                            byteWrite(0x42, n.low),  byteWrite(0x42, n.high), wait(n.ms),
                                            portRead(0x61, 0x30), byteWrite(0x61, 0x30)};
        expected.insert(expected.end(), one.begin(), one.end());
    }
    EXPECT_EQ(io.events, expected);
}

TEST(ToneTest, FrequenciesAreTruncatedNotRounded) {
    struct Case {
        int semitones;
        uint16_t divisor;  // 1193180 / truncated frequency
    } cases[] = {{14, 1193180 / 897}, {16, 1193180 / 1007}, {0, 1193180 / 400}, {7, 1193180 / 599},
                 {12, 1193180 / 800}, {-12, 1193180 / 200}};
    for (const Case& c : cases) {
        RecordingPortIo io;
        playTone(io, (10u << 16) | static_cast<uint16_t>(c.semitones));
        ASSERT_EQ(io.events.size(), 8u);
        EXPECT_EQ(io.events[3].value | (io.events[4].value << 8), c.divisor) << c.semitones;
        EXPECT_EQ(io.events[5], wait(10));
    }
}

// The timed features' tests: a Program on the recording platform and a port
// that records every write, and a helper for moments of the clock.
#pragma once
#include <cstdint>
#include <cstring>
#include "radio/program.h"
#include "tests/unit/recording_platform.h"
#include "tests/unit/recording_port_io.h"

// A zeroed Program wired to the fakes, with a card at 0x30F and beeps on.
struct TimedFixtureProgram {
    RecordingPortIo port;
    RecordingPlatform platform;
    Program program;
    TimedFixtureProgram() {
        std::memset(&program, 0, sizeof program);
        program.port = &port;
        program.platform = &platform;
        program.settings.ioPort = 0x30F;
        program.settings.buttonBeeps = 1;
        program.window.currentPresetIndex = 3;
    }
};

inline LocalTime timeAt(int dayOfWeek, int hour, int minute, int second = 0, int day = 10) {
    LocalTime t{};
    t.year = 2024;
    t.month = 6;
    t.day = static_cast<int16_t>(day);
    t.dayOfWeek = static_cast<int16_t>(dayOfWeek);
    t.hour = static_cast<int16_t>(hour);
    t.minute = static_cast<int16_t>(minute);
    t.second = static_cast<int16_t>(second);
    return t;
}

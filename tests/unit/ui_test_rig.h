// The Program record of the main window's tests, wired to the recording fakes,
// and a scratch working directory for tests that read or write radio.ini.
#pragma once
#include <gtest/gtest.h>
#include <unistd.h>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>
#include "tests/unit/recording_platform.h"
#include "tests/unit/card_log.h"
#include "radio/program.h"

using Log = std::vector<std::string>;

struct UiRig {
    Log log;
    RecordingPlatform platform{log};
    CardLogPortIo port{log};
    Program program{};

    UiRig() {
        program.port = &port;
        program.platform = &platform;
        program.settings.ioPort = 0x20F;
        program.window.currentPresetIndex = 10;
        // Presets 1-10: 088.0, 090.0, ... 106.0; last station 101.5, radio on.
        for (int i = 0; i < kPresetCount; ++i) {
            std::snprintf(program.settings.presets.slot[i].frequency, kFrequencyTextSize, "%05.1f",
                          88.0 + 2 * i);
            std::snprintf(program.settings.presets.slot[i].description, kDescriptionSize, "Station %d",
                          i + 1);
        }
        std::strcpy(program.settings.lastStation(), "101.5");
        std::strcpy(program.window.currentFrequency, "101.5");
        std::strcpy(program.settings.presetCycleDuration, "10");
        program.settings.powerStatus = 1;
    }
    void preset(int i, const char* text) { std::strcpy(program.settings.presets.slot[i].frequency, text); }
    RadioSettings& settings() { return program.settings; }
    MainWindowState& window() { return program.window; }
    // The log so far, which is then cleared.
    Log take() {
        Log out;
        out.swap(log);
        return out;
    }
};

// Runs the test inside a fresh temporary directory, the working directory
// that radio.ini is read from and written to.
struct ScratchDirectory {
    char saved[PATH_MAX];
    char path[64] = "/tmp/tunrix_ui_XXXXXX";
    ScratchDirectory() {
        EXPECT_NE(getcwd(saved, sizeof saved), nullptr);
        EXPECT_NE(mkdtemp(path), nullptr);
        EXPECT_EQ(chdir(path), 0);
    }
    ~ScratchDirectory() {
        std::remove("radio.ini");
        EXPECT_EQ(chdir(saved), 0);
        rmdir(path);
    }
    static void write(const std::string& name, const std::string& text) {
        FILE* f = std::fopen(name.c_str(), "wb");
        ASSERT_NE(f, nullptr);
        std::fwrite(text.data(), 1, text.size(), f);
        std::fclose(f);
    }
    static std::string read(const std::string& name) {
        std::string text;
        if (FILE* f = std::fopen(name.c_str(), "rb")) {
            char buffer[4096];
            std::size_t n;
            while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) text.append(buffer, n);
            std::fclose(f);
        }
        return text;
    }
};

// RadioSettings: every value of radio.ini, and the preset table with the last
// station kept behind it as record 10.
#pragma once
#include <cstddef>
#include <cstdint>

#include "card/frequency.h"

constexpr std::size_t kDescriptionSize = 81;     // 80 characters and NUL
constexpr std::size_t kCycleDurationSize = 5;    // 4 characters and NUL
constexpr int kPresetCount = 10;
constexpr int kNoPreset = 10;                    // currentPresetIndex for "no preset"

// The card's control port, base + 3: the only two ports the card is written at.
constexpr uint16_t kPort20F = 0x20F;   // base 0x20C
constexpr uint16_t kPort30F = 0x30F;   // base 0x30C

struct PresetSlot {
    char frequency[kFrequencyTextSize];
    char description[kDescriptionSize];
};

// Slots 0-9 are the presets; slot 10 is record 10, whose frequency field is
// RadioSettings.lastStation and whose description stays empty.
struct PresetTable {
    PresetSlot slot[kPresetCount + 1];
};

struct RadioSettings {
    uint16_t ioPort;
    int32_t titleBarFlag;
    int32_t presetCycleFlag;
    char presetCycleDuration[kCycleDurationSize];
    int32_t trayStatus;
    int32_t buttonBeeps;
    int32_t powerStatus;
    PresetTable presets;

    char* lastStation() { return presets.slot[kPresetCount].frequency; }
    const char* lastStation() const { return presets.slot[kPresetCount].frequency; }
};

// Record 0-10 of the table; any other index yields record 10.
inline const PresetSlot& presetRecord(const RadioSettings& settings, int index) {
    if (index < 0 || index > kPresetCount) index = kPresetCount;
    return settings.presets.slot[index];
}
inline PresetSlot& presetRecord(RadioSettings& settings, int index) {
    if (index < 0 || index > kPresetCount) index = kPresetCount;
    return settings.presets.slot[index];
}

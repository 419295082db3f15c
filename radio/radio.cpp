// The operations every front end shares: play a station, switch off, step the
// volume, store a preset.
#include "radio/radio.h"

#include <cstring>

#include "card/frequency.h"
#include "card/port_protocol.h"

uint16_t controlPortFor(unsigned port) {
    switch (port) {
    case 0x20C: case 0x20F: return 0x20F;
    case 0x30C: case 0x30F: return 0x30F;
    default: return 0;
    }
}

unsigned baseAddressOf(uint16_t controlPort) { return controlPort - 3u; }

bool playStation(PortIo& io, uint16_t controlPort, RadioSettings& settings, const char* station) {
    float mhz = 0.0f;
    if (!frequencyInBand(station, &mhz)) return false;
    settings.powerStatus = 1;
    tuneCard(io, controlPort, tuningWordFor(mhz));
    return true;
}

void switchOff(PortIo& io, uint16_t controlPort, RadioSettings& settings) {
    settings.powerStatus = 0;
    powerOffCard(io, controlPort);
}

bool stepVolume(PortIo& io, uint16_t controlPort, const RadioSettings& settings, VolumeStep step) {
    if (settings.powerStatus == 0) return false;
    if (step == VolumeStep::up) volumeUp(io, controlPort);
    else volumeDown(io, controlPort);
    return true;
}

bool storePreset(RadioSettings& settings, int index, const char* station, const char* description) {
    if (index < 0 || index >= kPresetCount) return false;
    PresetSlot& slot = settings.presets.slot[index];
    copyFrequencyText(slot.frequency, station);
    if (description != nullptr) {
        std::size_t n = 0;
        for (; n + 1 < kDescriptionSize && description[n] != '\0'; ++n) {
            const char c = description[n];
            slot.description[n] = (c == '\r' || c == '\n') ? ' ' : c;
        }
        slot.description[n] = '\0';
    }
    return true;
}

int matchPresetIndex(const RadioSettings& settings, const char* text) {
    // A text of 10 or more characters can equal no field; checking the length
    // first keeps the comparison inside both buffers.
    if (std::strlen(text) >= kFrequencyTextSize) return kNoPreset;
    for (int i = 0; i < kPresetCount; ++i) {
        if (std::strncmp(settings.presets.slot[i].frequency, text, kFrequencyTextSize) == 0) return i;
    }
    return kNoPreset;
}

// FrequencyText operations: the band check before every tune, the canonical
// "%05.1f" form, and the four tuning steps with their wrap-around.
#include "card/frequency.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr float kBandLow = 87.5f;
constexpr float kBandHigh = 108.0f;
constexpr const char* kWrapToLow = "087.5";
constexpr const char* kWrapToHigh = "108.0";

// The step result goes into lastStation first, then the same text into the
// current frequency. A result too long for a FrequencyText (only from texts
// far outside the band) takes the wrap text of the step, so the result is
// always a station in the band.
void storeStep(char* currentFrequency, RadioSettings& settings, double value, bool keep,
               const char* wrapText) {
    char text[kFrequencyTextSize];
    const int n = keep ? std::snprintf(text, sizeof text, "%05.1f", value) : -1;
    if (n < 0 || static_cast<std::size_t>(n) >= sizeof text) {
        std::snprintf(text, sizeof text, "%s", wrapText);
    }
    std::memcpy(settings.lastStation(), text, sizeof text);
    std::memmove(currentFrequency, settings.lastStation(), kFrequencyTextSize);
}

// Reads one number from the start of the text into single precision, as the
// "%f" conversion does. strtod is used instead of sscanf because MinGW's scanf
// family would add some 25 KB to the program; for texts of a FrequencyText's
// length the double-then-float rounding gives the same float as a direct read.
bool readSingle(const char* text, float* value) {
    char* end = nullptr;
    const double number = std::strtod(text, &end);
    if (end == text) return false;
    *value = static_cast<float>(number);
    return true;
}

}  // namespace

float parseFrequency(const char* text, SystemServices& system) {
    float value = 0.0f;
    // The band test is written so that a "nan" text fails it as well.
    if (text == nullptr || !readSingle(text, &value) ||
        !(value >= kBandLow && value <= kBandHigh)) {
        system.showMessage("Frequency out of Range!\n", "Error");
        return 0.0f;
    }
    return value;
}

void normalizeFrequencyText(char* text, std::size_t capacity) {
    float value = 0.0f;
    if (text == nullptr || capacity == 0 || !readSingle(text, &value)) return;
    char canonical[64];
    const int n = std::snprintf(canonical, sizeof canonical, "%05.1f", value);
    // A value whose canonical form does not fit is far outside the band; the
    // text is left as typed and the tune that follows rejects it.
    if (n < 0 || static_cast<std::size_t>(n) >= capacity || static_cast<std::size_t>(n) >= sizeof canonical) {
        return;
    }
    std::memcpy(text, canonical, static_cast<std::size_t>(n) + 1);
}

void coarseUp(char* currentFrequency, RadioSettings& settings) {
    const double y = std::atof(currentFrequency) + 1.0;
    storeStep(currentFrequency, settings, y, y < 108.0, kWrapToLow);
}

void coarseDown(char* currentFrequency, RadioSettings& settings) {
    const double y = std::atof(currentFrequency) - 1.0;
    storeStep(currentFrequency, settings, y, y > 88.0, kWrapToHigh);
}

void fineUp(char* currentFrequency, RadioSettings& settings) {
    const double y = std::atof(currentFrequency) + 0.1;
    storeStep(currentFrequency, settings, y, y < 108.0, kWrapToLow);
}

void fineDown(char* currentFrequency, RadioSettings& settings) {
    const double y = std::atof(currentFrequency) - 0.1;
    storeStep(currentFrequency, settings, y, y > 87.5, kWrapToHigh);
}

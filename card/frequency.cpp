// FrequencyText operations: the one decimal reader, the band check before
// every tune, the canonical "%05.1f" form, and the four tuning steps.
#include "card/frequency.h"

#include <cfloat>
#include <cmath>
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
void storeStep(char* currentFrequency, char* lastStation, double value, bool keep,
               const char* wrapText) {
    char text[kFrequencyTextSize];
    const int n = keep ? std::snprintf(text, sizeof text, "%05.1f", value) : -1;
    if (n < 0 || static_cast<std::size_t>(n) >= sizeof text) {
        std::snprintf(text, sizeof text, "%s", wrapText);
    }
    std::memcpy(lastStation, text, sizeof text);
    std::memmove(currentFrequency, lastStation, kFrequencyTextSize);
}

constexpr std::size_t kLongestNumeral = 63;

// Set while the range message is open. It has no owner window, so its own
// message loop goes on delivering timer ticks and commands to the main window;
// a rejection among them must not open a second message inside the first (a
// scan would stack one per step without end). Meanwhile rejections are silent.
bool rangeMessageOpen = false;

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// The steps read the text in double precision; no number counts as 0.0.
double stepBase(const char* text) {
    double value = 0.0;
    readFrequencyValue(text, &value);
    return value;
}

}  // namespace

void copyFrequencyText(char* to, const char* from) {
    std::size_t n = 0;
    while (n + 1 < kFrequencyTextSize && from[n] != '\0') {
        to[n] = from[n];
        ++n;
    }
    to[n] = '\0';
}

bool readFrequencyValue(const char* text, double* value) {
    if (text == nullptr) return false;
    const char* p = text;
    while (isSpace(*p)) ++p;
    const char* start = p;
    if (*p == '+' || *p == '-') ++p;
    bool digits = false;
    while (isDigit(*p)) { ++p; digits = true; }
    if (*p == '.') {
        ++p;
        while (isDigit(*p)) { ++p; digits = true; }
    }
    if (!digits) return false;
    if (*p == 'e' || *p == 'E') {
        const char* q = p + 1;
        if (*q == '+' || *q == '-') ++q;
        if (isDigit(*q)) {
            while (isDigit(*q)) ++q;
            p = q;
        }
    }
    // Only this decimal numeral reaches strtod, so no C library can read
    // hexadecimal, "inf", "nan" or another exponent letter into it. strtod,
    // not sscanf: MinGW's scanf family would add some 25 KB to the program.
    const std::size_t length = static_cast<std::size_t>(p - start);
    if (length > kLongestNumeral) return false;
    char numeral[kLongestNumeral + 1];
    std::memcpy(numeral, start, length);
    numeral[length] = '\0';
    const double number = std::strtod(numeral, nullptr);
    if (!std::isfinite(number)) return false;
    *value = number;
    return true;
}

bool frequencyInBand(const char* text, float* mhz) {
    double number = 0.0;
    if (!readFrequencyValue(text, &number)) return false;
    // Far outside the band the single-precision value is not needed (and a
    // double beyond float's range has none).
    if (number < 87.0 || number > 109.0) return false;
    // For texts of a FrequencyText's length the double-then-float rounding
    // gives the same float as a direct "%f" read.
    const float value = static_cast<float>(number);
    if (!(value >= kBandLow && value <= kBandHigh)) return false;
    if (mhz != nullptr) *mhz = value;
    return true;
}

float parseFrequency(const char* text, SystemServices& system) {
    float value = 0.0f;
    if (frequencyInBand(text, &value)) return value;
    if (!rangeMessageOpen) {
        rangeMessageOpen = true;
        system.showMessage("Frequency out of Range!\n", "Error");
        rangeMessageOpen = false;
    }
    return 0.0f;
}

void normalizeFrequencyText(char* text, std::size_t capacity) {
    double number = 0.0;
    if (text == nullptr || capacity == 0 || !readFrequencyValue(text, &number)) return;
    // Beyond float's range the canonical form would not fit any field.
    if (std::fabs(number) > FLT_MAX) return;
    const float value = static_cast<float>(number);
    char canonical[64];
    const int n = std::snprintf(canonical, sizeof canonical, "%05.1f", value);
    // A value whose canonical form does not fit is far outside the band; the
    // text is left as typed and the tune that follows rejects it.
    if (n < 0 || static_cast<std::size_t>(n) >= capacity || static_cast<std::size_t>(n) >= sizeof canonical) {
        return;
    }
    std::memcpy(text, canonical, static_cast<std::size_t>(n) + 1);
}

void coarseUp(char* currentFrequency, char* lastStation) {
    const double y = stepBase(currentFrequency) + 1.0;
    storeStep(currentFrequency, lastStation, y, y < 108.0, kWrapToLow);
}

void coarseDown(char* currentFrequency, char* lastStation) {
    const double y = stepBase(currentFrequency) - 1.0;
    storeStep(currentFrequency, lastStation, y, y > 88.0, kWrapToHigh);
}

void fineUp(char* currentFrequency, char* lastStation) {
    const double y = stepBase(currentFrequency) + 0.1;
    storeStep(currentFrequency, lastStation, y, y < 108.0, kWrapToLow);
}

void fineDown(char* currentFrequency, char* lastStation) {
    const double y = stepBase(currentFrequency) - 0.1;
    storeStep(currentFrequency, lastStation, y, y > 87.5, kWrapToHigh);
}

// libFuzzer target for the radio.ini reader: any bytes must parse without
// reading or writing out of bounds, every text field must stay terminated,
// and a file written from the result must read back to the same file.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "settings/settings_file.h"

namespace {

void checkTerminated(const RadioSettings& s) {
    for (int i = 0; i <= kPresetCount; ++i) {
        if (memchr(s.presets.slot[i].frequency, 0, kFrequencyTextSize) == nullptr) abort();
        if (memchr(s.presets.slot[i].description, 0, kDescriptionSize) == nullptr) abort();
    }
    if (memchr(s.presetCycleDuration, 0, kCycleDurationSize) == nullptr) abort();
}

std::size_t format(const RadioSettings& s, char* out, std::size_t capacity) {
    const std::size_t n = formatSettingsText(s, s.lastStation(), s.powerStatus, out, capacity);
    if (n >= capacity) abort();
    return n;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    RadioSettings first{};
    parseSettingsText(reinterpret_cast<const char*>(data), size, first);
    checkTerminated(first);

    // One write and read settles the defaults ("88.0", "N/A"); from then on a
    // written file must read back to exactly the same file.
    static char once[4096], twice[4096];
    const std::size_t n1 = format(first, once, sizeof once);
    RadioSettings second{};
    parseSettingsText(once, n1, second);
    checkTerminated(second);
    const std::size_t n2 = format(second, twice, sizeof twice);
    RadioSettings third{};
    parseSettingsText(twice, n2, third);
    char thrice[4096];
    const std::size_t n3 = format(third, thrice, sizeof thrice);
    if (n2 != n3 || memcmp(twice, thrice, n2) != 0) abort();
    return 0;
}

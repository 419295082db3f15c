// Bounded text copies and number reading for dialog fields.
#include "common/field_text.h"

void copyBoundedText(char* target, std::size_t capacity, const char* source, std::size_t maxChars) {
    if (capacity == 0) return;
    if (maxChars > capacity - 1) maxChars = capacity - 1;
    std::size_t n = 0;
    if (source != nullptr) {
        while (n < maxChars && source[n] != '\0') {
            target[n] = source[n];
            ++n;
        }
    }
    target[n] = '\0';
}

uint32_t readUnsignedField(const char* text) {
    if (text == nullptr) return 0;
    while (*text == ' ' || *text == '\t') ++text;
    uint64_t value = 0;
    for (; *text >= '0' && *text <= '9'; ++text) {
        value = value * 10 + static_cast<uint64_t>(*text - '0');
        if (value > UINT32_MAX) value = static_cast<uint64_t>(UINT32_MAX) + 1;  // stays saturated
    }
    return value > UINT32_MAX ? UINT32_MAX : static_cast<uint32_t>(value);
}

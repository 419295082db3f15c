// Bounded text copies and number reading for dialog fields.
#include "common/field_text.h"

#include <cstdint>

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

bool readWholeNumber(const char* text, std::size_t capacity, uint64_t limit, bool* negative,
                     uint64_t* value) {
    if (text == nullptr) return false;
    std::size_t i = 0;
    while (i < capacity && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
    bool minus = false;
    if (i < capacity && (text[i] == '+' || text[i] == '-')) minus = text[i++] == '-';
    if (!(i < capacity && text[i] >= '0' && text[i] <= '9')) return false;
    uint64_t n = 0;
    for (; i < capacity && text[i] >= '0' && text[i] <= '9'; ++i) {
        n = n * 10 + static_cast<uint64_t>(text[i] - '0');
        if (n > limit) n = limit;   // limit * 10 + 9 stays far inside 64 bits
    }
    *negative = minus;
    *value = n;
    return true;
}

uint32_t readUnsignedField(const char* text) {
    // A digits-only edit holds no sign; one typed anyway makes no number.
    if (text == nullptr) return 0;
    while (*text == ' ' || *text == '\t') ++text;
    bool negative = false;
    uint64_t value = 0;
    if (!(*text >= '0' && *text <= '9') || !readWholeNumber(text, SIZE_MAX, UINT32_MAX, &negative, &value)) {
        return 0;
    }
    return static_cast<uint32_t>(value);
}

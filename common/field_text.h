// Helpers for the texts that dialogs hand to the core: bounded copies into the
// fixed-size fields of the shared records, and numbers read from edit texts.
#pragma once
#include <cstddef>
#include <cstdint>

// Copies at most `maxChars` characters of `source` into `target` and always
// terminates it. Never writes more than `capacity` bytes (capacity > 0).
void copyBoundedText(char* target, std::size_t capacity, const char* source, std::size_t maxChars);

// The whole number at the start of a text, read as the standard integer
// conversion does but never beyond `capacity` bytes: white space skipped, an
// optional sign, decimal digits. The digits' value is held at `limit` instead
// of overflowing. Returns false, with *negative and *value untouched, when no
// digit follows.
bool readWholeNumber(const char* text, std::size_t capacity, uint64_t limit, bool* negative,
                     uint64_t* value);

// Reads an edit's text as an unsigned number the way a digits-only edit means
// it: leading blanks are skipped, then the leading decimal digits count; an
// empty or non-numeric text is 0. A number above 32 bits is taken as the
// largest 32-bit value, so that it is refused as too large instead of being
// read as something small.
uint32_t readUnsignedField(const char* text);

// What a dialog's OK decided: close, or stay open, optionally with a message
// box owned by the dialog (text and title are null when there is none).
struct DialogVerdict {
    bool close;
    const char* messageText;
    const char* messageTitle;
};

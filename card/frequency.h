// FrequencyText: reading, the band check, normalising and the four tuning
// steps with their wrap-around at the ends of the band.
#pragma once
#include <cstddef>
#include "common/system_services.h"

// FrequencyText: a frequency in MHz as text of at most 9 characters and NUL.
constexpr std::size_t kFrequencyTextSize = 10;

// The one bounded copy of a FrequencyText: at most 9 characters, always
// terminated, even when `from` is a field that lacks its terminator.
void copyFrequencyText(char* to, const char* from);

// The one reader of every frequency text (presets, last station, steps, Jump):
// the decimal number at the start of the text, as the stored files hold it.
// Leading white space, an optional sign, digits with an optional decimal
// point, an optional exponent; reading stops at the first character that
// cannot continue the number. Hexadecimal, "inf", "nan", a numeral of more
// than 63 characters and a value too large for a double are no number.
// Returns false, leaving *value as it is, when the text holds no number.
bool readFrequencyValue(const char* text, double* value);

// True when the text reads as a number within 87.5-108.0, tested on its
// single-precision value as every tune does; *mhz (when not null) then holds
// that value. Shows nothing, so any front end can check a typed frequency.
bool frequencyInBand(const char* text, float* mhz);

// frequencyInBand's value; otherwise shows "Frequency out of Range!\n" /
// "Error" and returns 0.0f. A rejection while that message is already open
// (from inside its message loop) shows no second one.
float parseFrequency(const char* text, SystemServices& system);

// Rewrites the text in "%05.1f" form when it starts with a number; otherwise
// leaves it as it is. Never writes more than `capacity` bytes.
void normalizeFrequencyText(char* text, std::size_t capacity = kFrequencyTextSize);

// Each step writes the new text into lastStation and then copies it into
// currentFrequency (both kFrequencyTextSize buffers).
void coarseUp(char* currentFrequency, char* lastStation);
void coarseDown(char* currentFrequency, char* lastStation);
void fineUp(char* currentFrequency, char* lastStation);
void fineDown(char* currentFrequency, char* lastStation);

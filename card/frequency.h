// FrequencyText: parsing, normalising and the four tuning steps with their
// wrap-around at the ends of the band.
#pragma once
#include <cstddef>
#include "common/system_services.h"
#include "settings/radio_settings.h"

// Single-precision value of the text when it lies in 87.5-108.0; otherwise
// shows "Frequency out of Range!\n" / "Error" and returns 0.0f.
float parseFrequency(const char* text, SystemServices& system);

// Rewrites the text in "%05.1f" form when it starts with a number; otherwise
// leaves it as it is. Never writes more than `capacity` bytes.
void normalizeFrequencyText(char* text, std::size_t capacity = kFrequencyTextSize);

// Each step writes the new text into settings.lastStation() and then copies it
// into currentFrequency (a kFrequencyTextSize buffer).
void coarseUp(char* currentFrequency, RadioSettings& settings);
void coarseDown(char* currentFrequency, RadioSettings& settings);
void fineUp(char* currentFrequency, RadioSettings& settings);
void fineDown(char* currentFrequency, RadioSettings& settings);

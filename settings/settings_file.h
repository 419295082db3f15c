// Reading and writing radio.ini in its fixed section order.
#pragma once
#include <cstddef>
#include "common/system_services.h"
#include "settings/radio_settings.h"

constexpr const char* kSettingsFileName = "radio.ini";

// Parses the text of a settings file into settings: 8-bit text with CR LF, LF
// or CR line ends, or UTF-16 after a byte-order mark. Fields whose section is
// missing keep their values, except ioPort, which always ends up 0x20F or
// 0x30F (0x20C and 0x30C mean those, anything else 0x20F) so the card is never
// written at another port. Never reads outside `text`.
void parseSettingsText(const char* text, std::size_t length, RadioSettings& settings);

// Reads `path` into settings. When it cannot be opened: "Error opening radio.ini
// file!\n" / "Error", then endProcess(0), and returns false.
bool readSettingsFile(const char* path, RadioSettings& settings, SystemServices& system);

// The exact bytes that writeSettingsFile stores (CR LF line ends, no line end
// after the port digits). lastStation is the text written as the last station.
std::size_t formatSettingsText(const RadioSettings& settings, const char* lastStation,
                               int powerStatus, char* out, std::size_t capacity);

// Writes via a temporary file of this save's own beside `path`
// ("<path>.<process id>-<n>.tmp"), replacing `path` only after a complete,
// flushed, closed write. An existing `path` that cannot be opened for update
// (read-only) is not replaced. On failure: the system error text on standard
// output, "Can't open radio.ini for writing!" / "Error", endProcess(0); the old
// file stays intact and no temporary file is left. Returns 0 on success.
int writeSettingsFile(const char* path, const char* lastStation, int powerStatus,
                      const RadioSettings& settings, SystemServices& system);

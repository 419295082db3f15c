// The Options dialog's rules: what its controls show when it opens and what
// OK writes into RadioSettings and runInTray. Cancel changes nothing.
#pragma once
#include <cstddef>
#include <cstdint>
#include "settings/radio_settings.h"

// An edit's text as the dialog hands it over; OK keeps only the stored widths.
constexpr std::size_t kOptionsFieldSize = 128;

// The controls of the Options dialog (template 170).
struct OptionsDialogFields {
    bool runInTray;                                         // 1066
    bool buttonBeeps;                                       // 1065
    bool seconds;                                           // 1091
    bool minutes;                                           // 1092
    bool port20C;                                           // 1095
    bool port30C;                                           // 1096
    bool titleBar;                                          // 1094
    char cycleDuration[kOptionsFieldSize];                  // 1070
    char frequency[kPresetCount][kOptionsFieldSize];        // 5000 + 2i
    char description[kPresetCount][kOptionsFieldSize];      // 5001 + 2i
};

// What the dialog edits: the settings, and the Run in Tray choice, which stays
// off where there is no notification area (Windows NT 3.x).
struct OptionsTarget {
    RadioSettings& settings;
    int& runInTray;
    bool trayAvailable;
};

void optionsDialogOpening(const OptionsTarget& target, OptionsDialogFields& fields);
// Writes every value, in the dialog's fixed order, without validating: texts
// are cut to 9 (frequency), 80 (description) and 4 (dwell) characters.
void optionsDialogOk(const OptionsTarget& target, const OptionsDialogFields& fields);

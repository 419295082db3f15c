// The tooltip table of the main window and the texts it answers with.
#include <cstdio>
#include "resources/resource.h"
#include "ui/tooltips.h"

const int kTooltipControls[kTooltipCount] = {
    IDC_PRESET_1, IDC_PRESET_2, IDC_PRESET_3, IDC_PRESET_4, IDC_PRESET_5,
    IDC_PRESET_6, IDC_PRESET_7, IDC_PRESET_8, IDC_PRESET_9, IDC_PRESET_10,
    IDC_VOLUME_UP, IDC_VOLUME_DOWN, IDC_COARSE_UP, IDC_COARSE_DOWN, IDC_MEMORY,
    IDC_FINE_UP, IDC_FINE_DOWN, IDC_POWER, IDC_EXIT, IDC_JUMP,
    IDC_ABOUT, IDC_SCAN, IDC_OPTIONS, IDC_SLEEP, IDC_TIMER,
};

namespace {

const char* fixedTip(const Program& program, int controlId) {
    switch (controlId) {
    case IDC_VOLUME_UP: return "Increase Volume";
    case IDC_VOLUME_DOWN: return "Decrease Volume";
    case IDC_COARSE_UP: return "Tune UP";
    case IDC_COARSE_DOWN: return "Tune Down";
    case IDC_MEMORY: return "Memorize Station";
    case IDC_FINE_UP: return "Fine Tune Up";
    case IDC_FINE_DOWN: return "Fine Tune Down";
    case IDC_POWER: return "Radio On/Off";
    case IDC_EXIT: return program.window.runInTray != 0 ? "Hide Console" : "Exit Tunrix";
    case IDC_JUMP: return "Jump to Station";
    case IDC_ABOUT: return "About Tunrix";
    case IDC_SCAN: return "Scan Presets";
    case IDC_OPTIONS: return "Tunrix Options";
    case IDC_SLEEP: return "Sleep Timer";
    case IDC_TIMER: return "Event Scheduler";
    default: return nullptr;
    }
}

}  // namespace

bool tooltipTextFor(const Program& program, int controlId, char* out, std::size_t capacity) {
    if (capacity == 0) return false;
    if (controlId >= IDC_PRESET_1 && controlId <= IDC_PRESET_10) {
        // The frequency as stored, never the description.
        std::snprintf(out, capacity, "FM %.9s",
                      program.settings.presets.slot[controlId - IDC_PRESET_1].frequency);
        return true;
    }
    const char* tip = fixedTip(program, controlId);
    if (tip == nullptr) return false;
    std::snprintf(out, capacity, "%s", tip);
    return true;
}

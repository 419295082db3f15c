// The Options dialog's opening values and its OK.
#include <cstring>
#include "common/field_text.h"
#include "settings/options.h"

static const std::size_t kFrequencyChars = kFrequencyTextSize - 1;   // 9
static const std::size_t kDescriptionChars = kDescriptionSize - 1;   // 80
static const std::size_t kDurationChars = kCycleDurationSize - 1;    // 4

void optionsDialogOpening(const OptionsTarget& target, OptionsDialogFields& fields) {
    const RadioSettings& settings = target.settings;
    std::memset(&fields, 0, sizeof fields);
    fields.buttonBeeps = settings.buttonBeeps != 0;
    fields.runInTray = target.runInTray != 0 && target.trayAvailable;
    fields.seconds = settings.presetCycleFlag == 0;
    fields.minutes = settings.presetCycleFlag == 1;
    fields.port20C = settings.ioPort == kPort20F;
    fields.port30C = settings.ioPort == kPort30F;
    fields.titleBar = settings.titleBarFlag != 0;
    copyBoundedText(fields.cycleDuration, sizeof fields.cycleDuration, settings.presetCycleDuration,
                    kDurationChars);
    for (int i = 0; i < kPresetCount; ++i) {
        const PresetSlot& slot = settings.presets.slot[i];
        copyBoundedText(fields.frequency[i], kOptionsFieldSize, slot.frequency, kFrequencyChars);
        copyBoundedText(fields.description[i], kOptionsFieldSize, slot.description, kDescriptionChars);
    }
}

void optionsDialogOk(const OptionsTarget& target, const OptionsDialogFields& fields) {
    RadioSettings& settings = target.settings;
    settings.buttonBeeps = fields.buttonBeeps ? 1 : 0;
    settings.ioPort = fields.port20C ? kPort20F : kPort30F;
    target.runInTray = (fields.runInTray && target.trayAvailable) ? 1 : 0;
    settings.titleBarFlag = fields.titleBar ? 1 : 0;
    for (int i = 0; i < kPresetCount; ++i) {
        PresetSlot& slot = settings.presets.slot[i];
        copyBoundedText(slot.frequency, sizeof slot.frequency, fields.frequency[i], kFrequencyChars);
    }
    for (int i = 0; i < kPresetCount; ++i) {
        PresetSlot& slot = settings.presets.slot[i];
        copyBoundedText(slot.description, sizeof slot.description, fields.description[i], kDescriptionChars);
    }
    settings.presetCycleFlag = fields.seconds ? 0 : 1;
    copyBoundedText(settings.presetCycleDuration, sizeof settings.presetCycleDuration,
                    fields.cycleDuration, kDurationChars);
}

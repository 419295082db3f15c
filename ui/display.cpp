// The frequency display as data: digit cells from a frequency text and the
// ordered draw list of a paint.
#include <cstring>
#include "card/frequency.h"
#include "ui/display.h"

DisplayDigits digitsFromText(char* text, std::size_t capacity) {
    DisplayDigits digits = {{kBlankCell, kBlankCell, kBlankCell, kBlankCell}};
    if (capacity == 0) return digits;
    // A field that lost its terminator is cut at its last byte rather than read past.
    if (std::memchr(text, '\0', capacity) == nullptr) text[capacity - 1] = '\0';
    normalizeFrequencyText(text, capacity);

    if (text[0] == '1') digits.cell[0] = 1;
    if (text[0] == '\0') return digits;
    int cell = 1;
    for (std::size_t i = 1; i < capacity && text[i] != '\0' && cell < 4; ++i) {
        const char c = text[i];
        if (c == '.' || c == ',') continue;
        // Only digits have an image; anything else shows as a blank cell.
        digits.cell[cell++] = (c >= '0' && c <= '9') ? c - '0' : kBlankCell;
    }
    return digits;
}

char* displayedFrequencyText(Program& program) {
    MainWindowState& w = program.window;
    if (w.jumpDisplayPending != 0) return w.currentFrequency;
    return presetRecord(program.settings, w.currentPresetIndex).frequency;
}

namespace {

void add(DisplayPlan& plan, DisplayImageSource source, int image, int x, int y) {
    if (plan.count >= kMaxDisplayDraws) return;
    plan.draw[plan.count++] = DisplayDraw{source, image, x, y};
}

}  // namespace

void planDisplayPaint(Program& program, DisplayPlan& plan) {
    const MainWindowState& w = program.window;
    const RadioSettings& s = program.settings;
    plan.count = 0;
    const DisplayDigits digits = digitsFromText(displayedFrequencyText(program), kFrequencyTextSize);

    add(plan, kCachedImage, kBackgroundImage, 13, 7);
    add(plan, kCachedImage, digits.cell[0], 19, 12);
    add(plan, kCachedImage, digits.cell[1], 36, 12);
    add(plan, kCachedImage, digits.cell[2], 50, 12);
    add(plan, kCachedImage, digits.cell[3], 70, 12);
    // A running scan keeps tuning the card, so the lamp says on while it runs.
    const bool lampOn = s.powerStatus != 0 || w.scanActive != 0;
    add(plan, kStatusBitmap, lampOn ? kLampOnBitmap : kLampOffBitmap, 125, 12);
    if (w.sleepTimerActive == 1) add(plan, kStatusBitmap, kSleepBitmap, 17, 10);
    if (w.schedulerActive == 1) add(plan, kStatusBitmap, kClockBitmap, 16, 27);
    if (w.currentPresetIndex >= 0 && w.currentPresetIndex < kPresetCount) {
        add(plan, kStatusBitmap, kPresetNumberBitmapBase + w.currentPresetIndex, 124, 25);
    }
    if (w.memoryMode != 0 && w.scanActive == 0) add(plan, kStatusBitmap, kHeartBitmap, 95, 25);
    if (w.scanActive != 0 && w.memoryMode == 0) add(plan, kStatusBitmap, kPscanBitmap, 92, 25);
}

// The frequency display panel as data: the digit cells of a frequency text and
// the ordered list of images that a paint copies. The skin's painter only blits.
#pragma once
#include <cstddef>
#include "resources/resource.h"
#include "radio/program.h"

// Index into DisplayImages that a cell holds: 0-9 digits, 10 a blank cell.
constexpr int kBlankCell = 10;
constexpr int kBackgroundImage = 11;      // DisplayImages[11], the panel background
constexpr int kDisplayImageCount = 12;

// DisplayImages[i] is loaded from bitmap kDigitBitmapBase + i for i 0-10.
constexpr int kDigitBitmapBase = IDB_DIGIT_0;
constexpr int kBackgroundBitmap = IDB_BACKGROUND;

// Status bitmaps, loaded at each paint.
constexpr int kLampOnBitmap = IDB_LAMP_ON;
constexpr int kLampOffBitmap = IDB_LAMP_OFF;
constexpr int kHeartBitmap = IDB_HEART;
constexpr int kPscanBitmap = IDB_PSCAN;
constexpr int kPresetNumberBitmapBase = IDB_PRESET_1;   // + currentPresetIndex 0-9
constexpr int kSleepBitmap = IDB_SLEEP_Z;
constexpr int kClockBitmap = IDB_CLOCK;

// The four cells from left to right: hundreds, tens, units, tenths.
struct DisplayDigits {
    int cell[4];
};

// Normalises `text` in place (it is the stored text, so the normalised form is
// kept) and returns its cells. A cell that gets no digit, or whose character is
// not a digit, is blank; the walk never reads beyond the text or `capacity`.
DisplayDigits digitsFromText(char* text, std::size_t capacity = kFrequencyTextSize);

enum DisplayImageSource { kCachedImage = 0, kStatusBitmap = 1 };

struct DisplayDraw {
    DisplayImageSource source;
    int image;   // DisplayImages index (kCachedImage) or bitmap id (kStatusBitmap)
    int x;       // client pixels of the top left corner
    int y;
};

constexpr int kMaxDisplayDraws = 11;
struct DisplayPlan {
    DisplayDraw draw[kMaxDisplayDraws];
    int count;
};

// The text the panel shows: currentFrequency while an accepted Jump is shown,
// otherwise the frequency of record currentPresetIndex. It is stored text.
char* displayedFrequencyText(Program& program);

// Chooses the text, normalises it in place and lists the draws of one paint in
// order. The skin copies each image at its position, then calls
// refreshWindowTitle.
void planDisplayPaint(Program& program, DisplayPlan& plan);

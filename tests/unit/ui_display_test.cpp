// The display panel: digit cells from a frequency text and the draw list of a paint.
#include <string>
#include "tests/unit/ui_test_rig.h"
#include "ui/display.h"

namespace {

struct DigitCase {
    const char* text;
    const char* normalised;
    int cells[4];
};

TEST(Display, DigitsFromText) {
    const int B = kBlankCell;
    const DigitCase cases[] = {
        {"088.0", "088.0", {B, 8, 8, 0}},
        {"101.5", "101.5", {1, 0, 1, 5}},
        {"108.0", "108.0", {1, 0, 8, 0}},
        {"087.5", "087.5", {B, 8, 7, 5}},
        {"88", "088.0", {B, 8, 8, 0}},
        {"95abc", "095.0", {B, 9, 5, 0}},
        {"", "", {B, B, B, B}},           // an empty preset: all blank, nothing read past the end
        {"1", "001.0", {B, 0, 1, 0}},
        {"N/A", "N/A", {B, B, B, B}},     // not a number: left as it is, non-digits blank
        {"1,,.", "001.0", {B, 0, 1, 0}},
        {"x9", "x9", {B, 9, B, B}},       // too few characters: the rest blank
    };
    for (const DigitCase& c : cases) {
        char text[kFrequencyTextSize] = {};
        std::strcpy(text, c.text);
        const DisplayDigits d = digitsFromText(text, sizeof text);
        EXPECT_STREQ(text, c.normalised) << c.text;
        for (int i = 0; i < 4; ++i) EXPECT_EQ(d.cell[i], c.cells[i]) << c.text << " cell " << i;
    }
}

TEST(Display, DigitsFromEmptyTextIgnoreBytesBehindIt) {
    char text[kFrequencyTextSize] = {'\0', '9', '9', '9', '\0'};
    const DisplayDigits d = digitsFromText(text, sizeof text);
    for (int cell : d.cell) EXPECT_EQ(cell, kBlankCell);
}

TEST(Display, DigitsFromUnterminatedFieldStayInside) {
    char text[kFrequencyTextSize];
    std::memset(text, 'x', sizeof text);
    const DisplayDigits d = digitsFromText(text, sizeof text);
    EXPECT_EQ(text[kFrequencyTextSize - 1], '\0');
    for (int cell : d.cell) EXPECT_EQ(cell, kBlankCell);
}

std::string describe(const DisplayPlan& plan) {
    std::string out;
    for (int i = 0; i < plan.count; ++i) {
        const DisplayDraw& d = plan.draw[i];
        out += (d.source == kCachedImage ? "c" : "b") + std::to_string(d.image) + "@" + std::to_string(d.x) +
               "," + std::to_string(d.y) + " ";
    }
    return out;
}

TEST(Display, DrawListOrderAndPositions) {
    const std::string base = "c11@13,7 c1@19,12 c0@36,12 c1@50,12 c5@70,12 ";
    struct Case {
        int power, scan, memory, sleep, scheduler, preset;
        std::string expected;
    };
    const Case cases[] = {
        {1, 0, 0, 0, 0, 10, base + "b153@125,12 "},
        {0, 0, 0, 0, 0, 10, base + "b154@125,12 "},
        {0, 1, 0, 0, 0, 10, base + "b153@125,12 b166@92,25 "},   // scanning keeps the lamp green
        {1, 0, 1, 1, 1, 10, base + "b153@125,12 b211@17,10 b212@16,27 b165@95,25 "},
        {1, 1, 1, 0, 0, 10, base + "b153@125,12 "},                // both marks set: neither drawn
        {1, 0, 0, 2, 2, 10, base + "b153@125,12 "},                // only exactly 1 counts
    };
    for (const Case& c : cases) {
        UiRig rig;
        rig.settings().powerStatus = c.power;
        rig.window().scanActive = c.scan;
        rig.window().memoryMode = c.memory;
        rig.window().sleepTimerActive = c.sleep;
        rig.window().schedulerActive = c.scheduler;
        DisplayPlan plan;
        planDisplayPaint(rig.program, plan);
        EXPECT_EQ(describe(plan), c.expected);
    }
}

TEST(Display, PresetNumberAndNormalisedStoredPreset) {
    UiRig rig;
    rig.preset(9, "88");
    rig.window().currentPresetIndex = 9;
    DisplayPlan plan;
    planDisplayPaint(rig.program, plan);
    EXPECT_EQ(describe(plan), "c11@13,7 c10@19,12 c8@36,12 c8@50,12 c0@70,12 b153@125,12 b210@124,25 ");
    EXPECT_STREQ(rig.settings().presets.slot[9].frequency, "088.0");   // kept normalised
}

TEST(Display, AcceptedJumpStaysShownUntilTheStationChanges) {
    UiRig rig;
    std::strcpy(rig.window().currentFrequency, "95");
    rig.window().jumpDisplayPending = 1;
    DisplayPlan plan;
    for (int paint = 0; paint < 2; ++paint) {
        planDisplayPaint(rig.program, plan);
        EXPECT_EQ(plan.draw[1].image, kBlankCell);
        EXPECT_EQ(plan.draw[2].image, 9);
        EXPECT_EQ(plan.draw[3].image, 5);
    }
    EXPECT_STREQ(rig.window().currentFrequency, "095.0");
    rig.window().jumpDisplayPending = 0;   // what a command changing the station does
    planDisplayPaint(rig.program, plan);
    EXPECT_EQ(plan.draw[3].image, 1);      // record 10: the last station 101.5
}

}  // namespace

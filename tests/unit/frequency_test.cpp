// FrequencyText: band check, canonical form, the four steps and their wrap points.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "card/frequency.h"
#include "fake_system_services.h"

namespace {

using StepFn = void (*)(char*, char*);

std::string step(StepFn fn, const char* from) {
    char lastStation[kFrequencyTextSize] = {};
    char current[kFrequencyTextSize] = {};
    std::snprintf(current, sizeof current, "%s", from);
    fn(current, lastStation);
    EXPECT_STREQ(current, lastStation) << "from " << from;
    return current;
}

}  // namespace

TEST(ParseFrequency, AcceptsTheBandAndRejectsTheRest) {
    struct Case {
        const char* text;
        float value;  // 0 for rejected
    } cases[] = {{"087.5", 87.5f}, {"108.0", 108.0f}, {"88", 88.0f}, {" 101.5 MHz", 101.5f},
                 {"087.4", 0}, {"108.1", 0}, {"N/A", 0}, {"", 0}, {"nan", 0}, {"inf", 0},
                 {"-100", 0}, {"108.0000001", 108.0f},
                 // Decimal only, as the stored files and Jump read them.
                 {"0x58", 0}, {"0X5F", 0}, {"-0x58", 0}, {"infinity", 0}, {"1e2", 100.0f}, {"+95", 95.0f}};
    for (const auto& c : cases) {
        FakeSystemServices system;
        EXPECT_EQ(parseFrequency(c.text, system), c.value) << c.text;
        EXPECT_EQ(system.messages.size(), c.value == 0 ? 1u : 0u) << c.text;
        if (!system.messages.empty()) {
            EXPECT_EQ(system.messages[0].text, "Frequency out of Range!\n");
            EXPECT_EQ(system.messages[0].title, "Error");
        }
        float quiet = -1.0f;   // the same test without a message
        EXPECT_EQ(frequencyInBand(c.text, &quiet), c.value != 0) << c.text;
        EXPECT_EQ(quiet, c.value == 0 ? -1.0f : c.value) << c.text;
    }
}

TEST(ParseFrequency, YieldsTheSinglePrecisionValue) {
    FakeSystemServices system;
    const float v = parseFrequency("101.1", system);
    EXPECT_EQ(v, 101.1f);
    EXPECT_LT(static_cast<double>(v), 101.1);
}

TEST(NormalizeFrequencyText, RewritesNumbersInCanonicalForm) {
    struct Case {
        const char* in;
        const char* out;
    } cases[] = {{"88", "088.0"}, {"88.04", "088.0"}, {"101.55", "101.6"}, {"99.95", "099.9"},
                 {"N/A", "N/A"}, {"", ""}, {"108", "108.0"}, {"0x58", "000.0"}, {"inf", "inf"},
                 {"nan", "nan"}, {"1e400", "1e400"},
                 {"99999999", "99999999"}};  // canonical form would not fit: left as typed
    for (const auto& c : cases) {
        char text[kFrequencyTextSize] = {};
        std::snprintf(text, sizeof text, "%s", c.in);
        normalizeFrequencyText(text);
        EXPECT_STREQ(text, c.out) << c.in;
    }
}

TEST(NormalizeFrequencyText, KeepsWithinTheGivenCapacity) {
    char text[8] = "1234567";
    normalizeFrequencyText(text, 6);  // "1234567.0" does not fit six bytes
    EXPECT_STREQ(text, "1234567");
    char fits[8] = "12.5";
    normalizeFrequencyText(fits, 6);  // "012.5" and its terminator fill six bytes exactly
    EXPECT_STREQ(fits, "012.5");
}

TEST(Stepping, WrapTables) {
    struct Case {
        StepFn fn;
        const char* name;
        const char* from;
        const char* to;
    } cases[] = {
        {coarseUp, "coarseUp", "106.9", "107.9"},   {coarseUp, "coarseUp", "107.0", "087.5"},
        {coarseUp, "coarseUp", "108.0", "087.5"},   {coarseUp, "coarseUp", "087.5", "088.5"},
        {coarseDown, "coarseDown", "089.1", "088.1"}, {coarseDown, "coarseDown", "089.0", "108.0"},
        {coarseDown, "coarseDown", "087.5", "108.0"}, {coarseDown, "coarseDown", "120.0", "119.0"},
        {fineUp, "fineUp", "107.8", "107.9"},       {fineUp, "fineUp", "107.9", "087.5"},
        {fineUp, "fineUp", "108.0", "087.5"},       {fineUp, "fineUp", "099.9", "100.0"},
        {fineDown, "fineDown", "087.7", "087.6"},   {fineDown, "fineDown", "087.6", "108.0"},
        {fineDown, "fineDown", "087.5", "108.0"},   {fineDown, "fineDown", "100.0", "099.9"},
        // No number counts as 0.0.
        {coarseUp, "coarseUp", "N/A", "001.0"},     {fineUp, "fineUp", "N/A", "000.1"},
        {coarseDown, "coarseDown", "N/A", "108.0"}, {fineDown, "fineDown", "N/A", "108.0"},
        // Decimal only: "0x58" is 0 followed by other characters; "inf" no number.
        {fineUp, "fineUp", "0x58", "000.1"},        {fineDown, "fineDown", "0x58", "108.0"},
        {coarseUp, "coarseUp", "inf", "001.0"},
        // Results too long for a FrequencyText take the step's wrap text.
        {coarseDown, "coarseDown", "9999999e9", "108.0"}, {coarseUp, "coarseUp", "-99999999", "087.5"},
        {fineDown, "fineDown", "1e300", "108.0"},
    };
    for (const auto& c : cases) EXPECT_EQ(step(c.fn, c.from), c.to) << c.name << " " << c.from;
}

TEST(Stepping, WrapPointsAcrossTheBand) {
    // Count, over every canonical text of the band, how many wrap.
    struct Case {
        StepFn fn;
        const char* wrapText;
        int wraps;
        const char* first;  // lowest text that wraps
        const char* last;   // highest text that wraps
    } cases[] = {{coarseUp, "087.5", 11, "107.0", "108.0"},
                 {coarseDown, "108.0", 16, "087.5", "089.0"},
                 {fineUp, "087.5", 2, "107.9", "108.0"},
                 {fineDown, "108.0", 2, "087.5", "087.6"}};
    for (const auto& c : cases) {
        int wraps = 0;
        std::string first, last;
        for (int tenths = 875; tenths <= 1080; ++tenths) {
            char from[kFrequencyTextSize];
            std::snprintf(from, sizeof from, "%05.1f", tenths / 10.0);
            if (step(c.fn, from) == c.wrapText) {
                ++wraps;
                if (first.empty()) first = from;
                last = from;
            }
        }
        EXPECT_EQ(wraps, c.wraps) << c.wrapText;
        EXPECT_EQ(first, c.first);
        EXPECT_EQ(last, c.last);
    }
}

TEST(Stepping, FullFineCyclesVisitEveryTenthOnce) {
    char lastStation[kFrequencyTextSize] = {};
    char current[kFrequencyTextSize] = "087.5";
    for (int tenths = 876; tenths <= 1079; ++tenths) {
        fineUp(current, lastStation);
        char expected[kFrequencyTextSize];
        std::snprintf(expected, sizeof expected, "%05.1f", tenths / 10.0);
        ASSERT_STREQ(current, expected);
        ASSERT_STREQ(lastStation, expected);
    }
    fineUp(current, lastStation);
    EXPECT_STREQ(current, "087.5");

    std::snprintf(current, sizeof current, "108.0");
    for (int tenths = 1079; tenths >= 876; --tenths) {
        fineDown(current, lastStation);
        char expected[kFrequencyTextSize];
        std::snprintf(expected, sizeof expected, "%05.1f", tenths / 10.0);
        ASSERT_STREQ(current, expected);
    }
    fineDown(current, lastStation);
    EXPECT_STREQ(current, "108.0");
}

TEST(Stepping, CurrentFrequencyMayBeTheLastStationItself) {
    char lastStation[kFrequencyTextSize] = {};
    std::snprintf(lastStation, kFrequencyTextSize, "099.9");
    fineUp(lastStation, lastStation);
    EXPECT_STREQ(lastStation, "100.0");
}

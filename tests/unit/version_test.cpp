// The version is written once as text and once as numbers (for the
// VERSIONINFO record); they must name the same version.
#include "resources/version.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

TEST(Version, TextMatchesTheNumbers) {
    char expected[32];
    std::snprintf(expected, sizeof expected, "%d.%d", TUNRIX_VERSION_MAJOR, TUNRIX_VERSION_MINOR);
    EXPECT_STREQ(TUNRIX_VERSION_TEXT, expected);
    EXPECT_GT(std::strlen(TUNRIX_WEB_PAGE), 0u);
}

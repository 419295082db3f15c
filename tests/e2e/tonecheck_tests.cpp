// End-to-end tests of tonecheck-virtual.exe: the message and status without the
// giveio driver, the five notes on the timer and speaker ports with it.
#include "driver.h"

using namespace e2e;

TEST_CASE("nodriver", tonecheck_without_driver_prints_message_and_fails) {
    RunningProgram program;
    std::string dir = makeWorkDir();
    std::string out = joinPath(dir, "stdout.txt");
    if (!CHECK(startProgram(program, option("tonecheck"), dir, out))) return;
    CHECK_EXIT_STATUS(program, 0xFFFFFFFF);
    CHECK_EQ(withoutCr(readFileBytes(out)), "Couldn't access giveio device\n");
    CHECK(!fileExists(joinPath(dir, "card.log")));
}

TEST_CASE("nt40", tonecheck_plays_the_five_notes) {
    RunningProgram program;
    std::string dir = makeWorkDir();
    std::string out = joinPath(dir, "stdout.txt");
    if (!CHECK(startProgram(program, option("tonecheck"), dir, out))) return;
    DWORD started = GetTickCount();
    CHECK_EQ(static_cast<long long>(waitForExit(program, 15000)), 0);
    DWORD tookMs = GetTickCount() - started;
    // Three seconds of notes, no pause between them.
    CHECK(tookMs >= 2900);
    note("tonecheck took " + std::to_string(tookMs) + " ms");
    CHECK_EQ(readFileBytes(out), "");
    CHECK_EQ(cardLogText(dir), "0x42 tone 1330 897 500\n"
                               "0x42 tone 1491 800 500\n"
                               "0x42 tone 1184 1007 500\n"
                               "0x42 tone 2982 400 500\n"
                               "0x42 tone 1991 599 1000\n");
}

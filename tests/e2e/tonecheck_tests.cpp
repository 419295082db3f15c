// End-to-end tests of tonecheck-virtual.exe: the message and status without the
// giveio driver, the five notes on the timer and speaker ports with it.
#include <windows.h>

#include <string>
#include <vector>

#include "app_driver.h"
#include "e2e_test.h"

using namespace e2e;

namespace {

std::string withoutCr(const std::string& text) {
    std::string out;
    for (char c : text)
        if (c != '\r') out += c;
    return out;
}

}  // namespace

TEST_CASE("nodriver", tonecheck_without_driver_prints_message_and_fails) {
    RunningProgram program;
    std::string dir = makeWorkDir();
    std::string out = joinPath(dir, "stdout.txt");
    if (!CHECK(startProgram(program, option("tonecheck"), dir, out))) return;
    CHECK_EQ(static_cast<long long>(waitForExit(program, 10000)), 0xFFFFFFFFLL);
    CHECK_EQ(withoutCr(readFileBytes(out)), std::string("Couldn't access giveio device\n"));
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
    CHECK_EQ(readFileBytes(out), std::string());
    std::string log;
    for (const std::string& line : cardLogLines(dir)) log += line + "\n";
    CHECK_EQ(log, std::string("0x42 tone 1330 897 500\n"
                              "0x42 tone 1491 800 500\n"
                              "0x42 tone 1184 1007 500\n"
                              "0x42 tone 2982 400 500\n"
                              "0x42 tone 1991 599 1000\n"));
}

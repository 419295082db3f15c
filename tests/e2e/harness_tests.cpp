// Checks of the driver itself, run against the stand-in program: each helper
// must see what the stand-in is known to do, or the program tests mean nothing.
#include <windows.h>

#include "app_driver.h"
#include "e2e_test.h"

using namespace e2e;

namespace {

const char* const kGroup = "harness";

std::string standIn() { return option("standin"); }

}  // namespace

TEST_CASE(kGroup, standin_is_driven_click_log_caption_lamp_exit) {
    std::string dir = makeWorkDirWithIni("first\n");
    RunningProgram program;
    if (!CHECK(startProgram(program, standIn(), dir))) return;
    HWND window = waitForVisibleWindow(program.processId, "Tunrix", 10000);
    if (!CHECK(window != nullptr)) return;
    CHECK_EQ(windowText(window), std::string("Stand-in"));
    CHECK_EQ(controlText(window, 2), std::string("E&xit"));
    HMODULE resources = loadResourceModule(standIn());
    CHECK(resources != nullptr);
    CHECK_SHOWS_BITMAP(window, 125, 12, resources, 153);
    CHECK(isGreen(clientPixel(window, 131, 16)));
    // The wrong bitmap must not match: the comparison can fail.
    CHECK(!clientShowsBitmap(window, 125, 12, resources, 154, nullptr));
    CHECK(!clientShowsBitmap(window, 126, 12, resources, 153, nullptr));

    CHECK(clickControl(window, 1033));
    CHECK(waitUntil([&]() { return isRed(clientPixel(window, 131, 16)); }, 3000));
    CHECK_SHOWS_BITMAP(window, 125, 12, resources, 154);
    CHECK_EQ(controlText(window, 1033), std::string("&Power on"));
    CHECK(clickControl(window, 1000));
    CHECK(waitUntil([&]() { return windowText(window) == "Stand-in - 1"; }, 3000));
    std::vector<std::string> log = cardLogLines(dir);
    CHECK_EQ(static_cast<long long>(log.size()), 2);
    if (log.size() == 2) {
        CHECK_EQ(log[0], std::string("0x20f off"));
        CHECK_EQ(log[1], std::string("0x20f tune 4471 101.075"));
    }
    postClick(window, 2);
    CHECK_EQ(static_cast<long long>(waitForExit(program, 10000)), 0);
    CHECK_EQ(readFileBytes(joinPath(dir, "radio.ini")), std::string("first\r\nexit 1\r\n"));
    if (resources) FreeLibrary(resources);
}

TEST_CASE(kGroup, standin_message_box_is_read_and_answered) {
    std::string dir = makeWorkDir();
    RunningProgram program;
    if (!CHECK(startProgram(program, standIn(), dir))) return;
    DialogSeen box;
    if (!CHECK(waitForDialog(program.processId, 10000, box))) return;
    CHECK_EQ(box.title, std::string("Error"));
    CHECK(box.texts.size() == 1 && box.texts[0] == "Error opening radio.ini file!\n");
    CHECK(topWindowsOf(program.processId, "Tunrix").empty());
    pressOk(box.window);
    CHECK_EQ(static_cast<long long>(waitForExit(program, 10000)), 0);
    CHECK(!fileExists(joinPath(dir, "radio.ini")));
}

// Escape and the close box reach a dialog's procedure as command 2.
TEST_CASE(kGroup, standin_escape_and_close_box_reach_the_dialog) {
    for (int way = 0; way < 2; ++way) {
        std::string dir = makeWorkDirWithIni("x\n");
        RunningProgram program;
        if (!CHECK(startProgram(program, standIn(), dir))) return;
        HWND window = waitForVisibleWindow(program.processId, "Tunrix", 10000);
        if (!CHECK(window != nullptr)) return;
        if (way == 0) postKey(window, VK_ESCAPE);
        else postCloseBox(window);
        CHECK_EQ(static_cast<long long>(waitForExit(program, 10000)), 0);
        CHECK_EQ(readFileBytes(joinPath(dir, "radio.ini")), std::string("x\r\nexit 1\r\n"));
    }
}

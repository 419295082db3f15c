// Checks of the driver itself, run against the stand-in program: each helper
// must see what the stand-in is known to do, or the program tests mean nothing.
// The stand-in's ids are its own (standin.rc): Exit 2, preset 1000, Power 1033,
// lamp bitmaps 153 (on) and 154 (off).
#include "driver.h"

using namespace e2e;

namespace {

const char* const kGroup = "harness";

std::string standIn() { return option("standin"); }

// Starts the stand-in in dir and waits for its window.
HWND startStandIn(RunningProgram& program, const std::string& dir, Where where) {
    if (!check(startProgram(program, standIn(), dir), "the stand-in starts", where)) return nullptr;
    HWND window = waitForWindow(program.processId, ofClass("Tunrix"), 10000);
    check(window != nullptr, "the stand-in shows its window", where);
    return window;
}

}  // namespace

TEST_CASE(kGroup, standin_is_driven_click_log_caption_lamp_exit) {
    std::string dir = makeWorkDirWithIni("first\n");
    RunningProgram program;
    HWND window = startStandIn(program, dir, E2E_HERE);
    if (!window) return;
    CHECK_EQ(windowText(window), "Stand-in");
    CHECK_EQ(controlText(window, 2), "E&xit");
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
    CHECK_EQ(controlText(window, 1033), "&Power on");
    CHECK(clickControl(window, 1000));
    CHECK(waitUntil([&]() { return windowText(window) == "Stand-in - 1"; }, 3000));
    CHECK_EQ(cardLogText(dir), "0x20f off\n0x20f tune 4471 101.075\n");
    closeBy(window, kByExitButton);
    CHECK_EXIT_STATUS(program, 0);
    CHECK_EQ(readFileBytes(joinPath(dir, "radio.ini")), "first\r\nexit 1\r\n");
    if (resources) FreeLibrary(resources);
}

TEST_CASE(kGroup, standin_message_box_is_read_and_answered) {
    std::string dir = makeWorkDir();
    RunningProgram program;
    if (!CHECK(startProgram(program, standIn(), dir))) return;
    DialogSeen box = readDialog(waitForWindow(program.processId, ofClass(kDialogClass), 10000));
    if (!CHECK(box.window != nullptr)) return;
    CHECK_EQ(box.title, "Error");
    CHECK(box.texts.size() == 1 && box.texts[0] == "Error opening radio.ini file!\n");
    CHECK(topWindowsOf(program.processId, "Tunrix").empty());
    pressOk(box.window);
    CHECK_EXIT_STATUS(program, 0);
    CHECK(!fileExists(joinPath(dir, "radio.ini")));
}

// Escape and the close box reach a dialog's procedure as command 2.
TEST_CASE(kGroup, standin_escape_and_close_box_reach_the_dialog) {
    for (CloseWay way : {kByEscape, kByCloseBox}) {
        note(std::string("closing by ") + closeWayName(way));
        std::string dir = makeWorkDirWithIni("x\n");
        RunningProgram program;
        HWND window = startStandIn(program, dir, E2E_HERE);
        if (!window) return;
        closeBy(window, way);
        CHECK_EXIT_STATUS(program, 0);
        CHECK_EQ(readFileBytes(joinPath(dir, "radio.ini")), "x\r\nexit 1\r\n");
    }
}

// The tunrix under test as every group of end-to-end tests drives it: its ids,
// the example radio.ini, starting it in a fresh folder, and the checks of
// card.log, the title, the panel and the exit that the groups share.
#pragma once
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "app_driver.h"
#include "e2e_test.h"

namespace e2e {

// Control ids of the main window (the popup menu's commands included).
enum {
    kExit = 2, kPreset1 = 1000, kVolumeDown = 1010, kVolumeUp = 1011, kPower = 1033, kScan = 1054,
    kOptions = 1064, kMenuRestore = 40023, kMenuExit = 40024
};
// The id of the notification icon.
enum { kTrayIconId = 200 };
// Bitmaps of the panel.
enum {
    kDigit0 = 178, kBlankCell = 188, kLampOn = 153, kLampOff = 154, kHeart = 165, kPscan = 166,
    kPresetNumber1 = 201, kSleepZ = 211, kClock = 212
};

// A started tunrix in its own folder; window is the main window once found.
struct Tunrix {
    RunningProgram program;
    std::string dir;
    HWND window = nullptr;
};

std::string tunrixExe();
HMODULE tunrixResources();

// The example settings file; its last line has no line end.
extern const char kExampleIni[];

// Replacements in a fixture text: each pair is (old, new), whole lines with
// their line ends where they have one.
typedef std::vector<std::pair<std::string, std::string>> LineChanges;
// base with the changes made; a text that is not in base stops the driver
// (the fixture itself is wrong).
std::string changedText(const char* base, const LineChanges& changes);
// The example with the changes made.
std::string example(const LineChanges& changes = {});

// Starts tunrix in a fresh folder holding radio.ini with ini (made CR LF), or
// no radio.ini when ini is null, and beep.wav. A program that must outlive
// the test (kept) is not ended by the runner; whoever keeps it ends it.
bool launchTunrix(Tunrix& t, const std::string* ini, Where where, bool kept = false);
// Waits for the main window: shown, or (starting in the tray) maybe hidden.
// A message box that comes up instead fails the test with its texts.
bool findMainWindow(Tunrix& t, bool shown, Where where);
// Both of the above.
bool startTunrix(Tunrix& t, const std::string& ini, bool shown, Where where, bool kept = false);
bool startShown(Tunrix& t, const std::string& ini, Where where);

std::string iniOf(const Tunrix& t);
void checkExitsWithZero(Tunrix& t, Where where);

// The card.log line for tuning to a word: port, "tune", the word, and the MHz
// that the word means ((word * 25 kHz) - 10.7 MHz).
std::string tuneLine(int word, const char* port = "0x20f");
// card.log must hold exactly these lines, in order; waits for them, then a
// little longer so that a line too many is seen as well.
void checkCardLog(const std::string& dir, const std::vector<std::string>& expected, Where where);

// The window title, waiting up to two seconds for the wanted text.
void checkTitle(HWND window, const std::string& expected, Where where);

// The panel's four cells (" 885" = blank, 8, 8, 5 with the point between the
// last two).
void checkCells(HWND window, const char* cells, Where where);
// The lamp: its bitmap, and its colour at a pixel inside it.
void checkLamp(HWND window, bool on, Where where);
// Cells, lamp, and the number of preset index presetIndex (none for 10).
void checkPanel(HWND window, const char* cells, bool lampOn, int presetIndex, Where where);
// A status image at (x, y) is shown (or not), waiting up to two seconds.
void checkPanelImage(HWND window, int x, int y, int bitmapId, bool shown, const char* what, Where where);

}  // namespace e2e

#define CHECK_CARD_LOG(dir, ...) e2e::checkCardLog((dir), __VA_ARGS__, E2E_HERE)
#define CHECK_TITLE(window, expected) e2e::checkTitle((window), (expected), E2E_HERE)
#define CHECK_EXITS_WITH_ZERO(t) e2e::checkExitsWithZero((t), E2E_HERE)
#define CHECK_CELLS(window, cells) e2e::checkCells((window), (cells), E2E_HERE)
#define CHECK_LAMP(window, on) e2e::checkLamp((window), (on), E2E_HERE)
#define CHECK_PANEL(window, cells, lampOn, presetIndex) \
    e2e::checkPanel((window), (cells), (lampOn), (presetIndex), E2E_HERE)

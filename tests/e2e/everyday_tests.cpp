// End-to-end tests of everyday use of tunrix-virtual.exe under Wine: the tray
// icon and its popup menu, the tooltips, the Jump and About dialogs, the
// preset scan and memory mode, and the tray-less start on Windows NT 3.x.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "app_driver.h"
#include "e2e_test.h"
#include "everyday_helpers.h"
#include "screenshot.h"
#include "tunrix_fixture.h"

using namespace e2e;
using namespace everyday;

namespace {

// Groups: Windows NT 4.0 with the driver, and Windows NT 3.51 with the driver.
const char* const kGroup = "everyday";
const char* const kNt3Group = "everyday-nt351";

// Starts in the tray with the radio on; preset 4 holds 095.0, preset 6 the
// last station; the scan dwells one second. The last line has no line end.
const char kTrayIni[] =
    "[LAST STATION]\n101.1\n\n"
    "[PRESETS]\n088.0\n091.9\n094.7\n095.0\n099.5\n101.1\n103.5\n105.9\n107.3\n107.9\n\n"
    "[PRESET_INFORMATION]\nJazz\nNews\nClassical\nTalk\nRock\nOldies\nCountry\nCollege\nSports\nN/A\n\n"
    "[POWER STATUS]\n1\n\n[BUTTON BEEPS]\n1\n\n[TRAY STATUS]\n1\n\n"
    "[PRESET_CYCLE_DURATION]\n1\n\n[PRESET_CYCLE_FLAG]\n0\n\n[TITLEBAR_FLAG]\n1\n\n[IO PORT]\n20f";

// kTrayIni with some of its lines replaced: each pair is (old, new).
std::string ini(const LineChanges& changes) { return changedText(kTrayIni, changes); }
const std::pair<const char*, const char*> kNoTray = {"[TRAY STATUS]\n1", "[TRAY STATUS]\n0"};

// Tuning words of the presets of kTrayIni (trunc((f - 88) * 40) + 3948).
const int kPresetWord[10] = {3948, 4104, 4215, 4228, 4408, 4471, 4568, 4664, 4720, 4744};

// The popup menu as the user should see it, with the preset texts of kTrayIni
// and the scan items greyed by the scan state.
std::vector<MenuItem> trayMenu(bool scanning) {
    std::vector<MenuItem> presets = {
        {"(1) [088.0]", false, {}}, {"(2) [091.9]", false, {}}, {"(3) [094.7]", false, {}},
        {"(4) [095.0]", false, {}}, {"(5) [099.5]", false, {}}, {"(6) [101.1]", false, {}},
        {"(7) [103.5]", false, {}}, {"(8) [105.9]", false, {}}, {"(9) [107.3]", false, {}},
        {"(10) [107.9]", false, {}},
    };
    return {
        {"Options", false, {}}, {nullptr, false, {}}, {"Volume +", false, {}}, {"Volume -", false, {}},
        {nullptr, false, {}}, {"Preset", false, presets}, {nullptr, false, {}},
        {"Start Scan", scanning, {}}, {"Stop Scan", !scanning, {}}, {nullptr, false, {}},
        {"Jump", false, {}}, {nullptr, false, {}}, {"Restore", false, {}}, {"Exit", false, {}},
    };
}

// Keys that pick an item of the popup menu: Down walks the items (skipping
// separators) from the first one, Up from the last.
const std::vector<int> kOpenPresets = {VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RIGHT};
const std::vector<int> kPickOptions = {VK_DOWN, VK_RETURN};
const std::vector<int> kPickVolumeUp = {VK_DOWN, VK_DOWN, VK_RETURN};
const std::vector<int> kPickStartScan = {VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN};
const std::vector<int> kPickStopScan = {VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN};
const std::vector<int> kPickJump = {VK_UP, VK_UP, VK_UP, VK_RETURN};
const std::vector<int> kPickRestore = {VK_UP, VK_UP, VK_RETURN};
const std::vector<int> kPickExit = {VK_UP, VK_RETURN};

// Where the pointer rests when the tray menu is asked for: the menu opens
// there, clear of the notification area and of the reference menu.
const POINT kMenuPoint = {220, 140};

// A right press on the tray icon as the shell reports it; the menu runs its
// own loop inside the handler, so the message is posted.
HWND openTrayMenu(Tunrix& t) {
    movePointer(kMenuPoint.x, kMenuPoint.y);
    PostMessageA(t.window, kTrayMessage, kTrayIconId, WM_RBUTTONDOWN);
    return waitForMenu(t.program.processId, 5000);
}

// Picks an item and waits for the menu to close.
bool pickFromMenu(Tunrix& t, HWND menu, const std::vector<int>& keys) {
    postMenuKeys(menu, keys);
    return waitForNoMenu(t.program.processId, 3000);
}

// A tray mouse message as the shell sends it, handled before this returns.
bool sendTrayMouse(Tunrix& t, UINT mouseMessage) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(t.window, kTrayMessage, kTrayIconId, mouseMessage, SMTO_NORMAL, 10000, &result) != 0;
}

// Index of the preset whose word a card.log line tunes, or -1.
int presetOfLine(const std::string& line) {
    for (int i = 0; i < 10; ++i) {
        if (line == tuneLine(kPresetWord[i])) return i;
    }
    return -1;
}

// Waits until card.log has more than `count` lines; returns when the line
// came, in milliseconds since `since`, or -1.
long waitForLineAfter(const std::string& dir, size_t count, DWORD since, int timeoutMs) {
    if (!waitUntil([&]() { return cardLogLines(dir).size() > count; }, timeoutMs, 10)) return -1;
    return static_cast<long>(GetTickCount() - since);
}

// Opens the Jump dialog with the Jump button and returns it.
HWND openJump(Tunrix& t, Where where) {
    postClick(t.window, kJump);
    HWND dialog = waitForOwnedDialog(t.program.processId, t.window, 5000);
    check(dialog != nullptr, "the Jump dialog opens", where);
    return dialog;
}

// Types text into the Jump dialog and presses OK; true when the dialog closed.
bool jumpTo(Tunrix& t, HWND dialog, const char* text) {
    SendMessageA(GetDlgItem(dialog, kJumpEdit), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    pressOk(dialog);
    return waitForNoOwnedDialog(t.program.processId, t.window, 3000);
}

// Refused input: the message box owned by the Jump dialog, its texts; OK
// closes it and the dialog stays open with the text as typed.
void checkJumpRefuses(Tunrix& t, HWND dialog, const char* text, Where where) {
    note(std::string("Jump refuses ") + visible(text));
    SendMessageA(GetDlgItem(dialog, kJumpEdit), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    pressOk(dialog);
    HWND box = waitForOwnedDialog(t.program.processId, dialog, 5000);
    if (!check(box != nullptr, "a message box owned by the Jump dialog", where)) return;
    checkEqual(windowText(box), "Error", "message box title", where);
    std::vector<std::string> texts = staticTexts(box);
    check(texts.size() == 1 && texts[0] == "Invalid FM Frequency!",
          "message box text is \"Invalid FM Frequency!\"" + (texts.empty() ? std::string() : ": " + visible(texts[0])),
          where);
    pressOk(box);
    check(waitForNoOwnedDialog(t.program.processId, dialog, 3000), "the message box closes", where);
    check(IsWindowVisible(dialog) != 0, "the Jump dialog stays open", where);
    checkEqual(controlText(dialog, kJumpEdit), text, "Jump field", where);
}

}  // namespace

// ---- Tray icon ----------------------------------------------------------------------

TEST_CASE(kGroup, tray_start_hides_the_window_and_icon_clicks_toggle_the_radio) {
    parkPointer();
    const std::vector<HWND> before = wineTrayIcons();
    Tunrix t;
    if (!startInTray(t, ini({}), E2E_HERE)) return;
    std::vector<std::string> log = {tuneLine(4471)};
    CHECK_CARD_LOG(t.dir, log);
    CHECK(!IsWindowVisible(t.window));
    CHECK_CAPTION(t.window, kExit, "&Hide");
    HWND icon = newTrayIcon(before);
    if (!CHECK(icon != nullptr)) return;
    CHECK_EQ(colourName(waitForIconColour(icon, kIconGreen)), colourName(kIconGreen));
    CHECK_EQ(trayTip(icon, "FM 101.1"), std::string("FM 101.1"));

    // The left press switches off: the card is powered off, the icon turns red.
    CHECK(sendTrayMouse(t, WM_LBUTTONDOWN));
    log.push_back(kOffLine);
    CHECK_CARD_LOG(t.dir, log);
    CHECK_EQ(colourName(waitForIconColour(icon, kIconRed)), colourName(kIconRed));
    CHECK_EQ(trayTip(icon, "Radio is OFF"), std::string("Radio is OFF"));

    // Moves, releases, double clicks and the other buttons change nothing.
    const UINT ignored[] = {WM_MOUSEMOVE, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_RBUTTONUP, WM_RBUTTONDBLCLK,
                            WM_MBUTTONDOWN, WM_MBUTTONUP};
    for (UINT message : ignored) CHECK(sendTrayMouse(t, message));
    CHECK_CARD_LOG(t.dir, log);
    CHECK(waitForNoMenu(t.program.processId, 0));
    CHECK_EQ(colourName(iconColour(icon)), colourName(kIconRed));

    // The next left press tunes the last station again.
    CHECK(sendTrayMouse(t, WM_LBUTTONDOWN));
    log.push_back(tuneLine(4471));
    CHECK_CARD_LOG(t.dir, log);
    CHECK_EQ(colourName(waitForIconColour(icon, kIconGreen)), colourName(kIconGreen));
    CHECK_EQ(trayTip(icon, "FM 101.1"), std::string("FM 101.1"));

    // A real click on the icon reaches the program through the shell: the icon
    // was added with the callback message.
    RECT r;
    GetWindowRect(icon, &r);
    clickAt((r.left + r.right) / 2, (r.top + r.bottom) / 2, false);
    log.push_back(kOffLine);
    CHECK_CARD_LOG(t.dir, log);
    CHECK_EQ(colourName(waitForIconColour(icon, kIconRed)), colourName(kIconRed));
    // Apart by more than the double-click time, or the shell reports a double click.
    Sleep(600);
    clickAt((r.left + r.right) / 2, (r.top + r.bottom) / 2, false);
    log.push_back(tuneLine(4471));
    CHECK_CARD_LOG(t.dir, log);
    CHECK_EQ(colourName(waitForIconColour(icon, kIconGreen)), colourName(kIconGreen));
    parkPointer();

    // Restore (as the menu sends it) shows the window; its lamp follows the toggle.
    postClick(t.window, kMenuRestore);
    CHECK(waitUntil([&]() { return IsWindowVisible(t.window) != 0; }, 5000));
    CHECK_PANEL(t.window, "1011", true, 5);
    CHECK(sendTrayMouse(t, WM_LBUTTONDOWN));
    log.push_back(kOffLine);
    CHECK_CARD_LOG(t.dir, log);
    CHECK_PANEL(t.window, "1011", false, 5);
    CHECK_TITLE(t.window, "Tunrix - Oldies");
    CHECK_EQ(tipOverControl(t, kExit, "Hide Console"), std::string("Hide Console"));
    parkPointer();

    // "&Hide" hides the window; the program runs on in the tray.
    CHECK(clickControl(t.window, kExit));
    CHECK(waitUntil([&]() { return !IsWindowVisible(t.window); }, 3000));
    CHECK_EQ(static_cast<long long>(waitForExit(t.program, 300)), STILL_ACTIVE);
    CHECK(trayIconExists(t.window, kTrayIconId));

    // The menu's Exit ends the program, removes the icon and saves radio.ini
    // with the radio off.
    HWND window = t.window;
    postClick(t.window, kMenuExit);
    CHECK_EXITS_WITH_ZERO(t);
    CHECK_EQ(colourName(waitForIconColour(icon, kIconGone)), colourName(kIconGone));
    CHECK(!trayIconExists(window, kTrayIconId));
    CHECK_EQ(iniOf(t), withCrLf(ini({{"[POWER STATUS]\n1", "[POWER STATUS]\n0"}})));
    CHECK_CARD_LOG(t.dir, log);
}

TEST_CASE(kGroup, tray_menu_lists_presets_greys_the_scan_item_and_sends_the_choice) {
    parkPointer();
    const std::vector<HWND> before = wineTrayIcons();
    Tunrix t;
    if (!startInTray(t, ini({}), E2E_HERE)) return;
    const DWORD pid = t.program.processId;
    std::vector<std::string> log = {tuneLine(4471)};
    HWND icon = newTrayIcon(before);
    CHECK(icon != nullptr);

    // The menu opens where the pointer is, and reads as laid out, with the
    // presets' frequencies and "Stop Scan" greyed.
    HWND menu = openTrayMenu(t);
    if (!CHECK(menu != nullptr)) return;
    RECT r;
    GetWindowRect(menu, &r);
    CHECK_EQ(static_cast<long long>(r.left), kMenuPoint.x);
    CHECK_EQ(static_cast<long long>(r.top), kMenuPoint.y);
    CHECK_MENU_LOOKS_LIKE(pid, menu, trayMenu(false), kOpenPresets, "tray-menu-idle");
    takeScreenshot("tray-menu");
    // Preset 3 from the open submenu.
    CHECK(pickFromMenu(t, menu, {VK_DOWN, VK_DOWN, VK_RETURN}));
    log.push_back(tuneLine(kPresetWord[2]));
    CHECK_CARD_LOG(t.dir, log);
    if (icon) CHECK_EQ(trayTip(icon, "FM 094.7"), std::string("FM 094.7"));
    parkPointer();

    // Escape closes the menu and sends nothing; Volume + sends 1011.
    menu = openTrayMenu(t);
    if (!CHECK(menu != nullptr)) return;
    CHECK(pickFromMenu(t, menu, {VK_ESCAPE}));
    menu = openTrayMenu(t);
    if (!CHECK(menu != nullptr)) return;
    CHECK(pickFromMenu(t, menu, kPickVolumeUp));
    log.push_back(kVolumeUpLine);
    CHECK_CARD_LOG(t.dir, log);

    // Start Scan: preset 1 at once, then one preset a second.
    menu = openTrayMenu(t);
    if (!CHECK(menu != nullptr)) return;
    CHECK(pickFromMenu(t, menu, kPickStartScan));
    log.push_back(tuneLine(kPresetWord[0]));
    CHECK_CARD_LOG(t.dir, log);
    CHECK_CAPTION(t.window, kScan, "&Stop Scan");

    // While scanning "Start Scan" is greyed and "Stop Scan" is not.
    menu = openTrayMenu(t);
    if (!CHECK(menu != nullptr)) return;
    CHECK_MENU_LOOKS_LIKE(pid, menu, trayMenu(true), std::vector<int>(), "tray-menu-scanning");
    // The greyed item sends nothing: the scan goes on.
    CHECK(pickFromMenu(t, menu, kPickStartScan));
    size_t count = cardLogLines(t.dir).size();
    CHECK(waitForLineAfter(t.dir, count, GetTickCount(), 3000) >= 0);
    CHECK_CAPTION(t.window, kScan, "&Stop Scan");
    // "Stop Scan" stops it: no preset is tuned after a further second and a half.
    menu = openTrayMenu(t);
    if (!CHECK(menu != nullptr)) return;
    CHECK(pickFromMenu(t, menu, kPickStopScan));
    CHECK_CAPTION(t.window, kScan, "Preset &Scan");
    count = cardLogLines(t.dir).size();
    Sleep(1500);
    std::vector<std::string> lines = cardLogLines(t.dir);
    CHECK_EQ(static_cast<long long>(lines.size()), static_cast<long long>(count));
    // The scan played presets 1, 2, 3 ... in turn.
    for (size_t i = log.size(); i < lines.size(); ++i) {
        CHECK_EQ(static_cast<long long>(presetOfLine(lines[i])), static_cast<long long>(i - log.size() + 1));
    }
    const int lastPreset = lines.empty() ? -1 : presetOfLine(lines.back());
    CHECK(lastPreset >= 0);

    // Jump opens the Jump dialog over the hidden window.
    menu = openTrayMenu(t);
    if (!CHECK(menu != nullptr)) return;
    CHECK(pickFromMenu(t, menu, kPickJump));
    HWND jump = waitForOwnedDialog(pid, t.window, 5000);
    if (CHECK(jump != nullptr)) {
        CHECK_EQ(windowText(jump), std::string("Set Station Frequency"));
        postClick(jump, IDCANCEL);
        CHECK(waitForNoOwnedDialog(pid, t.window, 3000));
    }

    // Restore shows the window and brings it to the front.
    menu = openTrayMenu(t);
    if (!CHECK(menu != nullptr)) return;
    CHECK(pickFromMenu(t, menu, kPickRestore));
    CHECK(waitUntil([&]() { return IsWindowVisible(t.window) != 0; }, 5000));
    CHECK(waitUntil([&]() { return GetForegroundWindow() == t.window; }, 3000));
    CHECK_MARK(t.window, kPscan, false);

    // Exit ends the program in tray mode too and saves the station playing.
    menu = openTrayMenu(t);
    if (!CHECK(menu != nullptr)) return;
    postMenuKeys(menu, kPickExit);
    CHECK_EXITS_WITH_ZERO(t);
    static const char* const kPresetText[10] = {"088.0", "091.9", "094.7", "095.0", "099.5",
                                                "101.1", "103.5", "105.9", "107.3", "107.9"};
    if (lastPreset >= 0) {
        const std::string station = std::string("[LAST STATION]\n") + kPresetText[lastPreset];
        CHECK_EQ(iniOf(t), withCrLf(ini({{"[LAST STATION]\n101.1", station.c_str()}})));
    }
    if (icon) CHECK_EQ(colourName(waitForIconColour(icon, kIconGone)), colourName(kIconGone));
}

// Options chosen from the tray menu while the window is hidden: turning Run in
// Tray off removes the icon and shows the window, the only way back left.
TEST_CASE(kGroup, options_from_the_tray_menu_removing_the_icon_shows_the_window) {
    parkPointer();
    const std::vector<HWND> before = wineTrayIcons();
    Tunrix t;
    if (!startInTray(t, ini({}), E2E_HERE)) return;
    const DWORD pid = t.program.processId;
    HWND icon = newTrayIcon(before);
    HWND menu = openTrayMenu(t);
    if (!CHECK(menu != nullptr)) return;
    CHECK(pickFromMenu(t, menu, kPickOptions));
    HWND options = waitForOwnedDialog(pid, t.window, 5000);
    if (!CHECK(options != nullptr)) return;
    CHECK_EQ(static_cast<long long>(SendMessageA(GetDlgItem(options, kOptionsRunInTray), BM_GETCHECK, 0, 0)),
             BST_CHECKED);
    SendMessageA(GetDlgItem(options, kOptionsRunInTray), BM_SETCHECK, BST_UNCHECKED, 0);
    pressOk(options);
    CHECK(waitForNoOwnedDialog(pid, t.window, 3000));
    CHECK(waitUntil([&]() { return IsWindowVisible(t.window) != 0; }, 5000));
    CHECK(!trayIconExists(t.window, kTrayIconId));
    if (icon) CHECK_EQ(colourName(waitForIconColour(icon, kIconGone)), colourName(kIconGone));
    CHECK_CAPTION(t.window, kExit, "E&xit");
    CHECK_EQ(tipOverControl(t, kExit, "Exit Tunrix"), std::string("Exit Tunrix"));
    parkPointer();
    // Exit now ends the program; the file records the tray off.
    postClick(t.window, kExit);
    CHECK_EXITS_WITH_ZERO(t);
    CHECK_EQ(iniOf(t), withCrLf(ini({kNoTray})));
}

// ---- Tooltips --------------------------------------------------------------------------

TEST_CASE(kGroup, tooltips_name_the_buttons_and_the_preset_frequencies) {
    Tunrix t;
    if (!startShown(t, ini({kNoTray}), E2E_HERE)) return;
    // Every button of the window is a tool of the one tooltip control.
    HWND tooltip = nullptr;
    for (HWND w : topWindowsOf(t.program.processId, "tooltips_class32")) tooltip = w;
    if (CHECK(tooltip != nullptr))
        CHECK_EQ(static_cast<long long>(SendMessageA(tooltip, TTM_GETTOOLCOUNT, 0, 0)), 25);
    struct Hover {
        int control;
        const char* tip;
    };
    // The texts themselves are the core's (unit-tested); here each kind of
    // text must reach the tip the user sees.
    const Hover hovers[] = {
        {kPreset1, "FM 088.0"}, {kPreset1 + 9, "FM 107.9"}, {kPower, "Radio On/Off"}, {kExit, "Exit Tunrix"},
    };
    for (const Hover& h : hovers) {
        CHECK_EQ(tipOverControl(t, h.control, h.tip), std::string(h.tip));
        if (h.control == kPreset1 + 9) takeScreenshot("tooltip");
    }
    // The panel is no tool: no tip comes up over it, while one over a button
    // comes within a second (above).
    parkPointer();
    POINT panel = screenPointOf(t.window, 60, 25);
    movePointer(panel.x - 3, panel.y);
    movePointer(panel.x, panel.y);
    Sleep(1000);
    CHECK(visibleTooltipOf(t.program.processId) == nullptr);
    // While scanning the scan button's caption changes, its tip does not.
    CHECK(clickControl(t.window, kScan));
    CHECK_CAPTION(t.window, kScan, "&Stop Scan");
    CHECK_EQ(tipOverControl(t, kScan, "Scan Presets"), std::string("Scan Presets"));
    parkPointer();
    PostMessageA(t.window, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(200, 100));
    CHECK_CAPTION(t.window, kScan, "Preset &Scan");
}

// ---- Jump and About -------------------------------------------------------------------

TEST_CASE(kGroup, jump_tunes_the_typed_frequency_and_refuses_what_is_out_of_band) {
    Tunrix t;
    if (!startShown(t, ini({kNoTray}), E2E_HERE)) return;
    HWND dialog = openJump(t, E2E_HERE);
    if (!dialog) return;
    CHECK_EQ(windowText(dialog), std::string("Set Station Frequency"));
    CHECK_EQ(controlText(dialog, kJumpEdit), std::string(""));
    CHECK(focusOf(dialog) == GetDlgItem(dialog, kJumpEdit));
    CHECK(!IsWindowEnabled(t.window));
    for (const char* bad : {"87.4", "abc", "108.1", ""}) checkJumpRefuses(t, dialog, bad, E2E_HERE);
    CHECK_CARD_LOG(t.dir, {});
    SendMessageA(GetDlgItem(dialog, kJumpEdit), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("95"));
    takeScreenshot("jump-dialog");
    // 95 is preset 4's 095.0: the panel shows it with the preset's number.
    CHECK(jumpTo(t, dialog, "95"));
    CHECK(IsWindowEnabled(t.window));
    CHECK_CARD_LOG(t.dir, {tuneLine(4228)});
    CHECK_PANEL(t.window, " 950", true, 3);
    CHECK_TITLE(t.window, "Tunrix - Talk");
    postClick(t.window, kExit);
    CHECK_EXITS_WITH_ZERO(t);
    CHECK_EQ(iniOf(t), withCrLf(ini({kNoTray, {"[LAST STATION]\n101.1", "[LAST STATION]\n095.0"}})));
}

// A Jump off the presets stays on the panel through later paints, a Jump
// while the radio is off switches it on, Cancel changes nothing, and the
// band ends are accepted.
TEST_CASE(kGroup, jump_off_the_presets_stays_shown_and_switches_the_radio_on) {
    Tunrix t;
    if (!startShown(t, ini({kNoTray}), E2E_HERE)) return;
    const DWORD pid = t.program.processId;
    std::vector<std::string> log;
    CHECK(clickControl(t.window, kPower));
    log.push_back(kOffLine);
    CHECK_CARD_LOG(t.dir, log);
    CHECK_PANEL(t.window, "1011", false, 5);

    HWND dialog = openJump(t, E2E_HERE);
    if (!dialog || !CHECK(jumpTo(t, dialog, "100.3"))) return;
    log.push_back(tuneLine(4440));
    CHECK_CARD_LOG(t.dir, log);
    CHECK_PANEL(t.window, "1003", true, 10);
    CHECK_TITLE(t.window, "Tunrix - ");

    // The About dialog covers the panel; when it goes the panel is painted
    // again and still shows the Jump's station.
    postClick(t.window, kAbout);
    HWND about = waitForOwnedDialog(pid, t.window, 5000);
    if (CHECK(about != nullptr)) {
        pressOk(about);
        CHECK(waitForNoOwnedDialog(pid, t.window, 3000));
    }
    RedrawWindow(t.window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    CHECK_PANEL(t.window, "1003", true, 10);

    // Cancel after typing leaves station and card as they are.
    dialog = openJump(t, E2E_HERE);
    if (dialog) {
        SendMessageA(GetDlgItem(dialog, kJumpEdit), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("88"));
        postClick(dialog, IDCANCEL);
        CHECK(waitForNoOwnedDialog(pid, t.window, 3000));
    }
    CHECK_CARD_LOG(t.dir, log);
    CHECK_PANEL(t.window, "1003", true, 10);

    // A number followed by other text counts as the number; the band ends count.
    struct Case {
        const char* typed;
        int word;
        const char* cells;
        int preset;
    };
    const Case cases[] = {{"95abc", 4228, " 950", 3}, {"87.5", 3928, " 875", 10}, {"108", 4748, "1080", 10}};
    for (const Case& c : cases) {
        note(std::string("Jump to ") + c.typed);
        dialog = openJump(t, E2E_HERE);
        if (!dialog || !CHECK(jumpTo(t, dialog, c.typed))) return;
        log.push_back(tuneLine(c.word));
        CHECK_CARD_LOG(t.dir, log);
        CHECK_PANEL(t.window, c.cells, true, c.preset);
    }
    postClick(t.window, kExit);
    CHECK_EXITS_WITH_ZERO(t);
    CHECK_EQ(iniOf(t), withCrLf(ini({kNoTray, {"[LAST STATION]\n101.1", "[LAST STATION]\n108.0"}})));
}

TEST_CASE(kGroup, a_press_on_the_panel_opens_jump_and_elsewhere_does_not) {
    Tunrix t;
    if (!startShown(t, ini({kNoTray}), E2E_HERE)) return;
    const DWORD pid = t.program.processId;
    struct Press {
        int x, y;
        bool opens;
    };
    // The panel reaches from (13, 9) up to but not including (140, 43).
    const Press presses[] = {{20, 20, true},  {13, 9, true},    {139, 42, true}, {150, 20, false},
                             {140, 20, false}, {20, 43, false}, {12, 20, false}, {20, 8, false}};
    std::vector<std::string> log;
    for (const Press& p : presses) {
        note("press at (" + std::to_string(p.x) + "," + std::to_string(p.y) + ")");
        PostMessageA(t.window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
        // The marker is handled after the press, inside the dialog's loop when one opened.
        SYNC_BY_VOLUME_UP(t);
        log.push_back(kVolumeUpLine);
        HWND dialog = waitForOwnedDialog(pid, t.window, p.opens ? 3000 : 200);
        CHECK_EQ(dialog != nullptr, p.opens);
        if (dialog) {
            CHECK_EQ(windowText(dialog), std::string("Set Station Frequency"));
            postClick(dialog, IDCANCEL);
            CHECK(waitForNoOwnedDialog(pid, t.window, 3000));
        }
    }
    // A real press of the mouse button on the panel.
    POINT at = screenPointOf(t.window, 30, 30);
    clickAt(at.x, at.y, false);
    parkPointer();
    HWND dialog = waitForOwnedDialog(pid, t.window, 3000);
    if (CHECK(dialog != nullptr)) {
        postClick(dialog, IDCANCEL);
        CHECK(waitForNoOwnedDialog(pid, t.window, 3000));
    }
    CHECK_CARD_LOG(t.dir, log);
}

TEST_CASE(kGroup, about_shows_version_and_windows_nt_and_every_way_closes_it) {
    Tunrix t;
    if (!startShown(t, ini({kNoTray}), E2E_HERE)) return;
    const DWORD pid = t.program.processId;
    enum Way { kOkButton, kEnter, kEscape, kCloseBox };
    const std::pair<Way, const char*> ways[] = {
        {kOkButton, "OK button"}, {kEnter, "Enter"}, {kEscape, "Escape"}, {kCloseBox, "close box"}};
    bool shot = false;
    for (const auto& way : ways) {
        note(std::string("closing by ") + way.second);
        postClick(t.window, kAbout);
        HWND about = waitForOwnedDialog(pid, t.window, 5000);
        if (!CHECK(about != nullptr)) return;
        CHECK_EQ(windowText(about), std::string("About Tunrix"));
        std::vector<std::string> texts = staticTexts(about);
        bool version = false, designed = false;
        for (const std::string& text : texts) {
            version = version || text == "Tunrix Version 2.3";
            designed = designed || text == "Designed for";
        }
        CHECK(version);
        CHECK(designed);
        CHECK_EQ(controlText(about, kAboutSystem), std::string("Windows NT"));
        // "Designed for" and "Windows NT" stand side by side on one line.
        HWND system = GetDlgItem(about, kAboutSystem);
        HWND label = nullptr;
        for (HWND c = GetWindow(about, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
            if (windowText(c) == "Designed for") label = c;
        }
        if (CHECK(label != nullptr && system != nullptr)) {
            RECT a, b;
            GetWindowRect(label, &a);
            GetWindowRect(system, &b);
            CHECK(b.left >= a.right - 2 && b.top == a.top);
        }
        CHECK(!IsWindowEnabled(t.window));
        if (!shot) {
            takeScreenshot("about-dialog");
            shot = true;
        }
        switch (way.first) {
        case kOkButton: pressOk(about); break;
        case kEnter: postKey(about, VK_RETURN); break;
        case kEscape: postKey(about, VK_ESCAPE); break;
        case kCloseBox: postCloseBox(about); break;
        }
        CHECK(waitForNoOwnedDialog(pid, t.window, 3000));
        CHECK(waitUntil([&]() { return IsWindowEnabled(t.window) != 0; }, 2000));
    }
    CHECK_CARD_LOG(t.dir, {});
}

// ---- Preset scan -------------------------------------------------------------------------

TEST_CASE(kGroup, scan_plays_the_presets_in_turn_and_a_right_press_stops_it) {
    Tunrix t;
    if (!startShown(t, ini({kNoTray}), E2E_HERE)) return;
    CHECK(clickControl(t.window, kScan));
    const DWORD started = GetTickCount();
    std::vector<std::string> log = {tuneLine(kPresetWord[0])};
    CHECK_CARD_LOG(t.dir, log);
    CHECK_CAPTION(t.window, kScan, "&Stop Scan");
    CHECK_MARK(t.window, kPscan, true);
    CHECK_MARK(t.window, kHeart, false);
    takeScreenshot("scan-panel");

    // Presets 2 and 3 follow, one a second.
    long atPreset2 = waitForLineAfter(t.dir, 1, started, 4000);
    long atPreset3 = waitForLineAfter(t.dir, 2, started, 4000);
    // Pressing preset 7 at preset 3 plays it; the next step plays preset 4.
    CHECK(clickControl(t.window, kPreset1 + 6));
    long atPreset4 = waitForLineAfter(t.dir, 4, started, 4000);
    note("preset 2 after " + std::to_string(atPreset2) + " ms, 3 after " + std::to_string(atPreset3) +
         " ms, 4 after " + std::to_string(atPreset4) + " ms");
    CHECK(atPreset2 >= 700 && atPreset2 <= 2500);
    CHECK(atPreset3 - atPreset2 >= 700 && atPreset3 - atPreset2 <= 2500);
    log.push_back(tuneLine(kPresetWord[1]));
    log.push_back(tuneLine(kPresetWord[2]));
    log.push_back(tuneLine(kPresetWord[6]));
    log.push_back(tuneLine(kPresetWord[3]));
    std::vector<std::string> lines = cardLogLines(t.dir);
    if (lines.size() > log.size()) lines.resize(log.size());
    std::string got, want;
    for (const std::string& l : lines) got += l + "\n";
    for (const std::string& l : log) want += l + "\n";
    CHECK_EQ(got, want);

    // Memory is refused while scanning: no heart.
    CHECK(clickControl(t.window, kMemory));
    Sleep(200);
    CHECK(!markShown(t.window, kHeart));
    CHECK(markShown(t.window, kPscan));

    // A right press anywhere on the window stops the scan; the station stays.
    PostMessageA(t.window, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(200, 100));
    CHECK_CAPTION(t.window, kScan, "Preset &Scan");
    CHECK_MARK(t.window, kPscan, false);
    const size_t count = cardLogLines(t.dir).size();
    Sleep(1500);
    lines = cardLogLines(t.dir);
    CHECK_EQ(static_cast<long long>(lines.size()), static_cast<long long>(count));
    const int last = lines.empty() ? -1 : presetOfLine(lines.back());
    static const char* const kCells[10] = {" 880", " 919", " 947", " 950", " 995",
                                           "1011", "1035", "1059", "1073", "1079"};
    if (CHECK(last >= 0)) CHECK_PANEL(t.window, kCells[last], true, last);

    // With the radio off the scan does not start.
    CHECK(clickControl(t.window, kPower));
    const size_t offCount = cardLogLines(t.dir).size();
    CHECK(clickControl(t.window, kScan));
    CHECK_CAPTION(t.window, kScan, "Preset &Scan");
    Sleep(1300);
    CHECK_EQ(static_cast<long long>(cardLogLines(t.dir).size()), static_cast<long long>(offCount));
    CHECK(!markShown(t.window, kPscan));
}

// A dwell of 0 would fire the timer without pause; it counts as one second
// (the core's tests cover the other values below one).
TEST_CASE(kGroup, scan_dwell_of_zero_waits_one_second) {
    Tunrix t;
    if (!startShown(t, ini({kNoTray, {"[PRESET_CYCLE_DURATION]\n1", "[PRESET_CYCLE_DURATION]\n0"}}), E2E_HERE))
        return;
    CHECK(clickControl(t.window, kScan));
    const DWORD started = GetTickCount();
    long atPreset2 = waitForLineAfter(t.dir, 1, started, 4000);
    long atPreset3 = waitForLineAfter(t.dir, 2, started, 4000);
    note("preset 2 after " + std::to_string(atPreset2) + " ms, preset 3 after " + std::to_string(atPreset3) + " ms");
    CHECK(atPreset2 >= 700 && atPreset2 <= 2500);
    CHECK(atPreset3 - atPreset2 >= 700 && atPreset3 - atPreset2 <= 2500);
    PostMessageA(t.window, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(200, 100));
    CHECK_CAPTION(t.window, kScan, "Preset &Scan");
    std::vector<std::string> lines = cardLogLines(t.dir);
    for (size_t i = 0; i < lines.size() && i < 3; ++i) CHECK_EQ(lines[i], tuneLine(kPresetWord[i]));
}

// ---- Memory mode ---------------------------------------------------------------------------

TEST_CASE(kGroup, memory_then_a_preset_stores_the_station_and_times_out_alone) {
    Tunrix t;
    // The last station 100.0 is no preset.
    const std::pair<const char*, const char*> station = {"[LAST STATION]\n101.1", "[LAST STATION]\n100.0"};
    if (!startShown(t, ini({kNoTray, station}), E2E_HERE)) return;
    CHECK_PANEL(t.window, "1000", true, 10);
    CHECK_TITLE(t.window, "Tunrix - ");

    // Memory, then preset 4: preset 4 holds 100.0, nothing is tuned.
    CHECK(clickControl(t.window, kMemory));
    CHECK_MARK(t.window, kHeart, true);
    CHECK_MARK(t.window, kPscan, false);
    takeScreenshot("memory-panel");
    CHECK(clickControl(t.window, kPreset1 + 3));
    CHECK_MARK(t.window, kHeart, false);
    CHECK_PANEL(t.window, "1000", true, 3);
    CHECK_TITLE(t.window, "Tunrix - Talk");
    CHECK_EQ(tipOverControl(t, kPreset1 + 3, "FM 100.0"), std::string("FM 100.0"));
    parkPointer();
    // The scan is refused in memory mode.
    CHECK(clickControl(t.window, kMemory));
    CHECK_MARK(t.window, kHeart, true);
    CHECK(clickControl(t.window, kScan));
    CHECK_CAPTION(t.window, kScan, "Preset &Scan");
    CHECK(!markShown(t.window, kPscan));
    // A right press ends memory mode: the next preset press tunes.
    PostMessageA(t.window, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(200, 100));
    CHECK_MARK(t.window, kHeart, false);
    CHECK(clickControl(t.window, kPreset1 + 1));
    std::vector<std::string> log = {tuneLine(kPresetWord[1])};
    CHECK_CARD_LOG(t.dir, log);

    // Memory mode ends by itself after five seconds.
    CHECK(clickControl(t.window, kMemory));
    const DWORD pressed = GetTickCount();
    CHECK_MARK(t.window, kHeart, true);
    bool ended = waitUntil([&]() { return !markShown(t.window, kHeart); }, 8000, 50);
    const long after = static_cast<long>(GetTickCount() - pressed);
    note("memory mode ended after " + std::to_string(after) + " ms");
    CHECK(ended && after >= 4700 && after <= 7000);
    CHECK(clickControl(t.window, kPreset1));
    log.push_back(tuneLine(kPresetWord[0]));
    CHECK_CARD_LOG(t.dir, log);
    CHECK_PANEL(t.window, " 880", true, 0);

    // The stored preset (description unchanged) reaches radio.ini at exit.
    postClick(t.window, kExit);
    CHECK_EXITS_WITH_ZERO(t);
    CHECK_EQ(iniOf(t), withCrLf(ini({kNoTray, {"\n095.0\n", "\n100.0\n"},
                                     {"[LAST STATION]\n101.1", "[LAST STATION]\n088.0"}})));
}

// ---- Windows NT 3.51: no tray --------------------------------------------------------------

TEST_CASE(kNt3Group, nt3_shows_no_icon_and_ignores_tray_messages) {
    parkPointer();
    const std::vector<HWND> before = wineTrayIcons();
    Tunrix t;
    const std::string file = ini({});   // asks for the tray
    if (!startShown(t, file, E2E_HERE)) return;
    CHECK_CAPTION(t.window, kExit, "E&xit");
    CHECK(!trayIconExists(t.window, kTrayIconId));
    CHECK(wineTrayIcons().size() == before.size());
    CHECK_PANEL(t.window, "1011", true, 5);
    // Neither press of the icon's mouse messages does anything: no menu, no
    // power toggle.
    movePointer(kMenuPoint.x, kMenuPoint.y);
    PostMessageA(t.window, kTrayMessage, kTrayIconId, WM_RBUTTONDOWN);
    PostMessageA(t.window, kTrayMessage, kTrayIconId, WM_LBUTTONDOWN);
    SYNC_BY_VOLUME_UP(t);
    CHECK(waitForNoMenu(t.program.processId, 0));
    CHECK_CARD_LOG(t.dir, {kVolumeUpLine});
    CHECK_PANEL(t.window, "1011", true, 5);
    CHECK_EQ(tipOverControl(t, kExit, "Exit Tunrix"), std::string("Exit Tunrix"));
    parkPointer();
    // Exit ends the program; the file is written as read.
    postClick(t.window, kExit);
    CHECK_EXITS_WITH_ZERO(t);
    CHECK_EQ(iniOf(t), withCrLf(file));
    CHECK(wineTrayIcons().size() == before.size());
}

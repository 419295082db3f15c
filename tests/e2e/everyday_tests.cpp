// End-to-end tests of everyday use of tunrix-virtual.exe under Wine: the tray
// icon and its popup menu, the tooltips, the Jump and About dialogs, the
// preset scan and memory mode, and the tray-less start on Windows NT 3.x.
#include "tunrix_dialogs.h"

using namespace e2e;

namespace {

// Groups: Windows NT 4.0 with the driver, and Windows NT 3.51 with the driver.
const char* const kGroup = "everyday";
const char* const kNt3Group = "everyday-nt351";

// The popup menu as the user should see it, with the preset texts of
// trayExample and the scan items greyed by the scan state.
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

const LineChanges::value_type kRadioOff = {"[POWER STATUS]\n1", "[POWER STATUS]\n0"};

std::string lastStation(const char* text) { return std::string("[LAST STATION]\n") + text; }

}  // namespace

// ---- Tray icon ----------------------------------------------------------------------

TEST_CASE(kGroup, tray_start_hides_the_window_and_icon_clicks_toggle_the_radio) {
    Tunrix t;
    HWND icon = nullptr;
    if (!startInTray(t, trayExample(), E2E_HERE, &icon)) return;
    std::vector<std::string> log = {tuneLine(4471)};
    CHECK_CARD_LOG(t.dir, log);
    CHECK(!IsWindowVisible(t.window));
    CHECK_CAPTION(t.window, IDC_EXIT, "&Hide");
    CHECK_ICON_COLOUR(icon, kIconGreen);
    CHECK_TRAY_TIP(icon, "FM 101.1");

    // The left press switches off: the card is powered off, the icon turns red.
    CHECK(sendTrayMouse(t, WM_LBUTTONDOWN));
    log.push_back(kOffLine);
    CHECK_CARD_LOG(t.dir, log);
    CHECK_ICON_COLOUR(icon, kIconRed);
    CHECK_TRAY_TIP(icon, "Radio is OFF");

    // Moves, releases, double clicks and the other buttons change nothing.
    for (UINT message : {WM_MOUSEMOVE, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_RBUTTONUP, WM_RBUTTONDBLCLK,
                         WM_MBUTTONDOWN, WM_MBUTTONUP})
        CHECK(sendTrayMouse(t, message));
    CHECK_CARD_LOG(t.dir, log);
    CHECK(waitForNoMenu(t.program.processId, 0));
    checkIconColour(icon, kIconRed, E2E_HERE, false);

    // The next left press tunes the last station again.
    CHECK(sendTrayMouse(t, WM_LBUTTONDOWN));
    log.push_back(tuneLine(4471));
    CHECK_CARD_LOG(t.dir, log);
    CHECK_ICON_COLOUR(icon, kIconGreen);
    CHECK_TRAY_TIP(icon, "FM 101.1");

    // A real click on the icon reaches the program through the shell: the icon
    // was added with the callback message.
    clickAt(centreOf(icon), false);
    log.push_back(kOffLine);
    CHECK_CARD_LOG(t.dir, log);
    CHECK_ICON_COLOUR(icon, kIconRed);
    // Apart by more than the double-click time, or the shell reports a double click.
    Sleep(600);
    clickAt(centreOf(icon), false);
    log.push_back(tuneLine(4471));
    CHECK_CARD_LOG(t.dir, log);
    CHECK_ICON_COLOUR(icon, kIconGreen);
    parkPointer();

    // Restore (as the menu sends it) shows the window; its lamp follows the toggle.
    postClick(t.window, IDM_RESTORE);
    CHECK_SHOWN(t.window, true);
    CHECK_PANEL(t.window, "1011", true, 5);
    CHECK(sendTrayMouse(t, WM_LBUTTONDOWN));
    log.push_back(kOffLine);
    CHECK_CARD_LOG(t.dir, log);
    CHECK_PANEL(t.window, "1011", false, 5);
    CHECK_TITLE(t.window, "Tunrix - Oldies");
    CHECK_TIP(t.window, IDC_EXIT, "Hide Console");

    // "&Hide" hides the window; the program runs on in the tray.
    CHECK(clickControl(t.window, IDC_EXIT));
    CHECK_SHOWN(t.window, false);
    CHECK_EQ(static_cast<long long>(waitForExit(t.program, 300)), STILL_ACTIVE);
    CHECK(trayIconExists(t.window, ID_TRAY_ICON));

    // The menu's Exit ends the program, removes the icon and saves radio.ini
    // with the radio off.
    HWND window = t.window;
    postClick(t.window, IDM_EXIT);
    CHECK_ENDS_WRITING(t, trayExample({kRadioOff}));
    CHECK_ICON_COLOUR(icon, kIconGone);
    CHECK(!trayIconExists(window, ID_TRAY_ICON));
    CHECK_CARD_LOG(t.dir, log);
}

TEST_CASE(kGroup, tray_menu_lists_presets_greys_the_scan_item_and_sends_the_choice) {
    Tunrix t;
    HWND icon = nullptr;
    if (!startInTray(t, trayExample(), E2E_HERE, &icon)) return;
    const DWORD pid = t.program.processId;
    std::vector<std::string> log = {tuneLine(4471)};

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
    CHECK(pickFromMenu(pid, menu, {VK_DOWN, VK_DOWN, VK_RETURN}));
    log.push_back(tuneLine(kTrayPresets[2].word));
    CHECK_CARD_LOG(t.dir, log);
    CHECK_TRAY_TIP(icon, "FM 094.7");

    // Escape closes the menu and sends nothing; Volume + sends 1011.
    if (!PICK_FROM_TRAY_MENU(t, {VK_ESCAPE}) || !PICK_FROM_TRAY_MENU(t, kPickVolumeUp)) return;
    log.push_back(kVolumeUpLine);
    CHECK_CARD_LOG(t.dir, log);

    // Start Scan: preset 1 at once, then one preset a second.
    if (!PICK_FROM_TRAY_MENU(t, kPickStartScan)) return;
    log.push_back(tuneLine(kTrayPresets[0].word));
    CHECK_CARD_LOG(t.dir, log);
    CHECK_CAPTION(t.window, IDC_SCAN, "&Stop Scan");

    // While scanning "Start Scan" is greyed and "Stop Scan" is not.
    menu = openTrayMenu(t);
    if (!CHECK(menu != nullptr)) return;
    CHECK_MENU_LOOKS_LIKE(pid, menu, trayMenu(true), std::vector<int>(), "tray-menu-scanning");
    // The greyed item sends nothing: the scan goes on.
    CHECK(pickFromMenu(pid, menu, kPickStartScan));
    CHECK(waitForLineAfter(t, cardLogLines(t.dir).size(), GetTickCount(), 3000) >= 0);
    CHECK_CAPTION(t.window, IDC_SCAN, "&Stop Scan");
    // "Stop Scan" stops it: no preset is tuned after a further second and a half.
    if (!PICK_FROM_TRAY_MENU(t, kPickStopScan)) return;
    CHECK_CAPTION(t.window, IDC_SCAN, "Preset &Scan");
    const std::vector<std::string> lines = checkCardQuietFor(t, 1500, E2E_HERE);
    // The scan played presets 1, 2, 3 ... in turn.
    for (size_t i = log.size(); i < lines.size(); ++i)
        CHECK_EQ(static_cast<long long>(trayPresetOfLine(lines[i])), static_cast<long long>(i - log.size() + 1));
    const int lastPreset = lines.empty() ? -1 : trayPresetOfLine(lines.back());
    CHECK(lastPreset >= 0);

    // Jump opens the Jump dialog over the hidden window.
    if (!PICK_FROM_TRAY_MENU(t, kPickJump)) return;
    closeDialog(t, dialogOf(t, kJumpCaption, E2E_HERE), kByExitButton, E2E_HERE);

    // Restore shows the window and brings it to the front.
    if (!PICK_FROM_TRAY_MENU(t, kPickRestore)) return;
    CHECK_SHOWN(t.window, true);
    CHECK(waitUntil([&]() { return GetForegroundWindow() == t.window; }, 3000));
    CHECK_MARK(t.window, kPscanMark, false);

    // Exit ends the program in tray mode too and saves the station playing.
    PICK_FROM_TRAY_MENU(t, kPickExit);
    const char* playing = lastPreset >= 0 ? kTrayPresets[lastPreset].text : "(none)";
    CHECK_ENDS_WRITING(t, trayExample({{lastStation("101.1"), lastStation(playing)}}));
    CHECK_ICON_COLOUR(icon, kIconGone);
}

// Options chosen from the tray menu while the window is hidden: turning Run in
// Tray off removes the icon and shows the window, the only way back left.
TEST_CASE(kGroup, options_from_the_tray_menu_removing_the_icon_shows_the_window) {
    Tunrix t;
    HWND icon = nullptr;
    if (!startInTray(t, trayExample(), E2E_HERE, &icon)) return;
    if (!PICK_FROM_TRAY_MENU(t, kPickOptions)) return;
    if (!setRunInTray(t, dialogOf(t, kOptionsCaption, E2E_HERE), false, E2E_HERE)) return;
    CHECK_SHOWN(t.window, true);
    CHECK(!trayIconExists(t.window, ID_TRAY_ICON));
    CHECK_ICON_COLOUR(icon, kIconGone);
    CHECK_CAPTION(t.window, IDC_EXIT, "E&xit");
    CHECK_TIP(t.window, IDC_EXIT, "Exit Tunrix");
    // Exit now ends the program; the file records the tray off.
    CHECK_EXIT_WRITES(t, trayExample({kNoTray}));
}

// ---- Tooltips --------------------------------------------------------------------------

// Every button of the window is a tool of the one tooltip control: the
// control with each id has its caption, and the tip over it names what it
// does (the texts themselves are the core's, unit-tested; here each must
// reach the button it belongs to).
TEST_CASE(kGroup, tooltips_name_the_buttons_and_the_preset_frequencies) {
    struct Tool {
        int id;
        const char* caption;
        const char* tip;
    };
    const Tool tools[] = {
        {IDC_PRESET_1, "&1", "FM 088.0"},         {IDC_PRESET_1 + 1, "&2", "FM 091.9"},
        {IDC_PRESET_1 + 2, "&3", "FM 094.7"},     {IDC_PRESET_1 + 3, "&4", "FM 095.0"},
        {IDC_PRESET_1 + 4, "&5", "FM 099.5"},     {IDC_PRESET_1 + 5, "&6", "FM 101.1"},
        {IDC_PRESET_1 + 6, "&7", "FM 103.5"},     {IDC_PRESET_1 + 7, "&8", "FM 105.9"},
        {IDC_PRESET_1 + 8, "&9", "FM 107.3"},     {IDC_PRESET_10, "1&0", "FM 107.9"},
        {IDC_VOLUME_UP, "&Up", "Increase Volume"}, {IDC_VOLUME_DOWN, "&Dn", "Decrease Volume"},
        {IDC_COARSE_UP, ">>", "Tune UP"},          {IDC_COARSE_DOWN, "<<", "Tune Down"},
        {IDC_MEMORY, "&Memory", "Memorize Station"},
        {IDC_FINE_UP, "+", "Fine Tune Up"},        {IDC_FINE_DOWN, "-", "Fine Tune Down"},
        {IDC_POWER, "&Power", "Radio On/Off"},     {IDC_EXIT, "E&xit", "Exit Tunrix"},
        {IDC_JUMP, "&Jump", "Jump to Station"},    {IDC_ABOUT, "&About", "About Tunrix"},
        {IDC_SCAN, "Preset &Scan", "Scan Presets"}, {IDC_OPTIONS, "&Options", "Tunrix Options"},
        {IDC_SLEEP, "Sleep", "Sleep Timer"},       {IDC_TIMER, "&Timer", "Event Scheduler"},
    };
    Tunrix t;
    if (!startShown(t, trayExample({kNoTray}), E2E_HERE)) return;
    CHECK_EQ(toolCountOf(t.program.processId), static_cast<long long>(sizeof tools / sizeof tools[0]));
    for (const Tool& tool : tools) {
        CHECK_CAPTION(t.window, tool.id, tool.caption);
        CHECK_TIP(t.window, tool.id, tool.tip);
    }
    tipAt(t.program.processId, centreOf(GetDlgItem(t.window, IDC_PRESET_10)), "FM 107.9");
    takeScreenshot("tooltip");
    // The panel is no tool: no tip comes up over it, while one over a button
    // comes within a second (above).
    checkNoTipAt(t.program.processId, screenPointOf(t.window, 60, 25), E2E_HERE);
    // While scanning the scan button's caption changes, its tip does not.
    CHECK(clickControl(t.window, IDC_SCAN));
    CHECK_CAPTION(t.window, IDC_SCAN, "&Stop Scan");
    CHECK_TIP(t.window, IDC_SCAN, "Scan Presets");
    PostMessageA(t.window, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(200, 100));
    CHECK_CAPTION(t.window, IDC_SCAN, "Preset &Scan");
}

// ---- Jump and About -------------------------------------------------------------------

TEST_CASE(kGroup, jump_tunes_the_typed_frequency_and_refuses_what_is_out_of_band) {
    Tunrix t;
    if (!startShown(t, trayExample({kNoTray}), E2E_HERE)) return;
    HWND dialog = openDialog(t, IDC_JUMP, kJumpCaption, E2E_HERE);
    if (!dialog) return;
    CHECK_EQ(controlText(dialog, IDC_JUMP_FREQUENCY), "");
    CHECK(focusOf(dialog) == GetDlgItem(dialog, IDC_JUMP_FREQUENCY));
    CHECK(!IsWindowEnabled(t.window));
    for (const char* bad : {"87.4", "abc", "108.1", ""}) checkJumpRefuses(t, dialog, bad, E2E_HERE);
    CHECK_CARD_LOG(t.dir, {});
    setControlText(dialog, IDC_JUMP_FREQUENCY, "95");
    takeScreenshot("jump-dialog");
    // 95 is preset 4's 095.0: the panel shows it with the preset's number.
    CHECK(jumpTo(t, dialog, "95"));
    CHECK(IsWindowEnabled(t.window));
    CHECK_CARD_LOG(t.dir, {tuneLine(4228)});
    CHECK_PANEL(t.window, " 950", true, 3);
    CHECK_TITLE(t.window, "Tunrix - Talk");
    CHECK_EXIT_WRITES(t, trayExample({kNoTray, {lastStation("101.1"), lastStation("095.0")}}));
}

// A Jump off the presets stays on the panel through later paints, a Jump
// while the radio is off switches it on, Cancel changes nothing, and the
// band ends are accepted.
TEST_CASE(kGroup, jump_off_the_presets_stays_shown_and_switches_the_radio_on) {
    Tunrix t;
    if (!startShown(t, trayExample({kNoTray}), E2E_HERE)) return;
    std::vector<std::string> log;
    CHECK(clickControl(t.window, IDC_POWER));
    log.push_back(kOffLine);
    CHECK_CARD_LOG(t.dir, log);
    CHECK_PANEL(t.window, "1011", false, 5);

    HWND dialog = openDialog(t, IDC_JUMP, kJumpCaption, E2E_HERE);
    if (!dialog || !CHECK(jumpTo(t, dialog, "100.3"))) return;
    log.push_back(tuneLine(4440));
    CHECK_CARD_LOG(t.dir, log);
    CHECK_PANEL(t.window, "1003", true, 10);
    CHECK_TITLE(t.window, "Tunrix - ");

    // The About dialog covers the panel; when it goes the panel is painted
    // again and still shows the Jump's station.
    closeDialog(t, openDialog(t, IDC_ABOUT, kAboutCaption, E2E_HERE), kByOkButton, E2E_HERE);
    RedrawWindow(t.window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    CHECK_PANEL(t.window, "1003", true, 10);

    // Cancel after typing leaves station and card as they are.
    dialog = openDialog(t, IDC_JUMP, kJumpCaption, E2E_HERE);
    if (dialog) {
        setControlText(dialog, IDC_JUMP_FREQUENCY, "88");
        closeDialog(t, dialog, kByExitButton, E2E_HERE);
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
        dialog = openDialog(t, IDC_JUMP, kJumpCaption, E2E_HERE);
        if (!dialog || !CHECK(jumpTo(t, dialog, c.typed))) return;
        log.push_back(tuneLine(c.word));
        CHECK_CARD_LOG(t.dir, log);
        CHECK_PANEL(t.window, c.cells, true, c.preset);
    }
    CHECK_EXIT_WRITES(t, trayExample({kNoTray, {lastStation("101.1"), lastStation("108.0")}}));
}

TEST_CASE(kGroup, a_press_on_the_panel_opens_jump_and_elsewhere_does_not) {
    Tunrix t;
    if (!startShown(t, trayExample({kNoTray}), E2E_HERE)) return;
    struct Press {
        int x, y;
        bool opens;
    };
    // The panel reaches from (13, 9) up to but not including (140, 43).
    const Press presses[] = {{20, 20, true},  {13, 9, true},    {139, 42, true}, {150, 20, false},
                             {140, 20, false}, {20, 43, false}, {12, 20, false}, {20, 8, false}};
    const Find jump = ofClass(kDialogClass).titled(kJumpCaption).ownedBy(t.window);
    std::vector<std::string> log;
    for (const Press& p : presses) {
        note("press at (" + std::to_string(p.x) + "," + std::to_string(p.y) + ")");
        PostMessageA(t.window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
        // The marker is handled after the press, inside the dialog's loop when one opened.
        SYNC_BY_VOLUME_UP(t);
        log.push_back(kVolumeUpLine);
        HWND dialog = waitForWindow(t.program.processId, jump, p.opens ? 3000 : 200);
        CHECK_EQ(dialog != nullptr, p.opens);
        closeDialog(t, dialog, kByExitButton, E2E_HERE);
    }
    // A real press of the mouse button on the panel.
    clickAt(screenPointOf(t.window, 30, 30), false);
    parkPointer();
    closeDialog(t, dialogOf(t, kJumpCaption, E2E_HERE), kByExitButton, E2E_HERE);
    CHECK_CARD_LOG(t.dir, log);
}

TEST_CASE(kGroup, about_shows_version_and_windows_nt_and_every_way_closes_it) {
    Tunrix t;
    if (!startShown(t, trayExample({kNoTray}), E2E_HERE)) return;
    for (CloseWay way : {kByOkButton, kByEnter, kByEscape, kByCloseBox}) {
        note(std::string("closing by ") + closeWayName(way));
        HWND about = openDialog(t, IDC_ABOUT, kAboutCaption, E2E_HERE);
        if (!about) return;
        checkAboutShows(about, E2E_HERE);
        CHECK(!IsWindowEnabled(t.window));
        if (way == kByOkButton) takeScreenshot("about-dialog");
        closeDialog(t, about, way, E2E_HERE);
        CHECK(waitUntil([&]() { return IsWindowEnabled(t.window) != 0; }, 2000));
    }
    CHECK_CARD_LOG(t.dir, {});
}

// ---- Preset scan -------------------------------------------------------------------------

TEST_CASE(kGroup, scan_plays_the_presets_in_turn_and_a_right_press_stops_it) {
    Tunrix t;
    if (!startShown(t, trayExample({kNoTray}), E2E_HERE)) return;
    CHECK(clickControl(t.window, IDC_SCAN));
    const DWORD started = GetTickCount();
    std::vector<std::string> log = {tuneLine(kTrayPresets[0].word)};
    CHECK_CARD_LOG(t.dir, log);
    CHECK_CAPTION(t.window, IDC_SCAN, "&Stop Scan");
    CHECK_MARK(t.window, kPscanMark, true);
    CHECK_MARK(t.window, kHeartMark, false);
    takeScreenshot("scan-panel");

    // Presets 2 and 3 follow, one a second.
    long atPreset2 = waitForLineAfter(t, 1, started, 4000);
    long atPreset3 = waitForLineAfter(t, 2, started, 4000);
    // Pressing preset 7 at preset 3 plays it; the next step plays preset 4.
    CHECK(clickControl(t.window, IDC_PRESET_1 + 6));
    long atPreset4 = waitForLineAfter(t, 4, started, 4000);
    note("preset 2 after " + std::to_string(atPreset2) + " ms, 3 after " + std::to_string(atPreset3) +
         " ms, 4 after " + std::to_string(atPreset4) + " ms");
    CHECK(atPreset2 >= 700 && atPreset2 <= 2500);
    CHECK(atPreset3 - atPreset2 >= 700 && atPreset3 - atPreset2 <= 2500);
    for (int preset : {1, 2, 6, 3}) log.push_back(tuneLine(kTrayPresets[preset].word));
    std::vector<std::string> lines = cardLogLines(t.dir);
    if (lines.size() > log.size()) lines.resize(log.size());
    CHECK_EQ(joinLines(lines), joinLines(log));

    // Memory is refused while scanning: no heart.
    CHECK(clickControl(t.window, IDC_MEMORY));
    Sleep(200);
    CHECK(!markShown(t.window, kHeartMark));
    CHECK(markShown(t.window, kPscanMark));

    // A right press anywhere on the window stops the scan; the station stays.
    PostMessageA(t.window, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(200, 100));
    CHECK_CAPTION(t.window, IDC_SCAN, "Preset &Scan");
    CHECK_MARK(t.window, kPscanMark, false);
    lines = checkCardQuietFor(t, 1500, E2E_HERE);
    const int last = lines.empty() ? -1 : trayPresetOfLine(lines.back());
    if (CHECK(last >= 0)) CHECK_PANEL(t.window, kTrayPresets[last].cells, true, last);

    // With the radio off the scan does not start.
    CHECK(clickControl(t.window, IDC_POWER));
    const size_t offCount = cardLogLines(t.dir).size();
    CHECK(clickControl(t.window, IDC_SCAN));
    CHECK_CAPTION(t.window, IDC_SCAN, "Preset &Scan");
    Sleep(1300);
    CHECK_EQ(static_cast<long long>(cardLogLines(t.dir).size()), static_cast<long long>(offCount));
    CHECK(!markShown(t.window, kPscanMark));
}

// A dwell of 0 would fire the timer without pause; it counts as one second
// (the core's tests cover the other values below one).
TEST_CASE(kGroup, scan_dwell_of_zero_waits_one_second) {
    Tunrix t;
    if (!startShown(t, trayExample({kNoTray, {"CYCLE_DURATION]\n1", "CYCLE_DURATION]\n0"}}), E2E_HERE)) return;
    CHECK(clickControl(t.window, IDC_SCAN));
    const DWORD started = GetTickCount();
    long atPreset2 = waitForLineAfter(t, 1, started, 4000);
    long atPreset3 = waitForLineAfter(t, 2, started, 4000);
    note("preset 2 after " + std::to_string(atPreset2) + " ms, preset 3 after " + std::to_string(atPreset3) + " ms");
    CHECK(atPreset2 >= 700 && atPreset2 <= 2500);
    CHECK(atPreset3 - atPreset2 >= 700 && atPreset3 - atPreset2 <= 2500);
    PostMessageA(t.window, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(200, 100));
    CHECK_CAPTION(t.window, IDC_SCAN, "Preset &Scan");
    std::vector<std::string> lines = cardLogLines(t.dir);
    for (size_t i = 0; i < lines.size() && i < 3; ++i) CHECK_EQ(lines[i], tuneLine(kTrayPresets[i].word));
}

// ---- Memory mode ---------------------------------------------------------------------------

TEST_CASE(kGroup, memory_then_a_preset_stores_the_station_and_times_out_alone) {
    Tunrix t;
    // The last station 100.0 is no preset.
    const LineChanges::value_type station = {lastStation("101.1"), lastStation("100.0")};
    if (!startShown(t, trayExample({kNoTray, station}), E2E_HERE)) return;
    CHECK_PANEL(t.window, "1000", true, 10);
    CHECK_TITLE(t.window, "Tunrix - ");

    // Memory, then preset 4: preset 4 holds 100.0, nothing is tuned.
    CHECK(clickControl(t.window, IDC_MEMORY));
    CHECK_MARK(t.window, kHeartMark, true);
    CHECK_MARK(t.window, kPscanMark, false);
    takeScreenshot("memory-panel");
    CHECK(clickControl(t.window, IDC_PRESET_1 + 3));
    CHECK_MARK(t.window, kHeartMark, false);
    CHECK_PANEL(t.window, "1000", true, 3);
    CHECK_TITLE(t.window, "Tunrix - Talk");
    CHECK_TIP(t.window, IDC_PRESET_1 + 3, "FM 100.0");
    // The scan is refused in memory mode.
    CHECK(clickControl(t.window, IDC_MEMORY));
    CHECK_MARK(t.window, kHeartMark, true);
    CHECK(clickControl(t.window, IDC_SCAN));
    CHECK_CAPTION(t.window, IDC_SCAN, "Preset &Scan");
    CHECK(!markShown(t.window, kPscanMark));
    // A right press ends memory mode: the next preset press tunes.
    PostMessageA(t.window, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(200, 100));
    CHECK_MARK(t.window, kHeartMark, false);
    CHECK(clickControl(t.window, IDC_PRESET_1 + 1));
    std::vector<std::string> log = {tuneLine(kTrayPresets[1].word)};
    CHECK_CARD_LOG(t.dir, log);

    // Memory mode ends by itself after five seconds.
    CHECK(clickControl(t.window, IDC_MEMORY));
    const DWORD pressed = GetTickCount();
    CHECK_MARK(t.window, kHeartMark, true);
    bool ended = waitUntil([&]() { return !markShown(t.window, kHeartMark); }, 8000, 50);
    const long after = static_cast<long>(GetTickCount() - pressed);
    note("memory mode ended after " + std::to_string(after) + " ms");
    CHECK(ended && after >= 4700 && after <= 7000);
    CHECK(clickControl(t.window, IDC_PRESET_1));
    log.push_back(tuneLine(kTrayPresets[0].word));
    CHECK_CARD_LOG(t.dir, log);
    CHECK_PANEL(t.window, " 880", true, 0);

    // The stored preset (description unchanged) reaches radio.ini at exit.
    CHECK_EXIT_WRITES(t, trayExample({kNoTray, {"\n095.0\n", "\n100.0\n"}, {lastStation("101.1"), lastStation("088.0")}}));
}

// ---- Windows NT 3.51: no tray --------------------------------------------------------------

TEST_CASE(kNt3Group, nt3_shows_no_icon_and_ignores_tray_messages) {
    parkPointer();
    const std::vector<HWND> before = wineTrayIcons();
    Tunrix t;
    const std::string file = trayExample();  // asks for the tray
    if (!startShown(t, file, E2E_HERE)) return;
    CHECK_CAPTION(t.window, IDC_EXIT, "E&xit");
    CHECK(!trayIconExists(t.window, ID_TRAY_ICON));
    CHECK(wineTrayIcons().size() == before.size());
    CHECK_PANEL(t.window, "1011", true, 5);
    // Neither press of the icon's mouse messages does anything: no menu, no
    // power toggle.
    movePointer(kMenuPoint.x, kMenuPoint.y);
    PostMessageA(t.window, WM_TRAY_CALLBACK, ID_TRAY_ICON, WM_RBUTTONDOWN);
    PostMessageA(t.window, WM_TRAY_CALLBACK, ID_TRAY_ICON, WM_LBUTTONDOWN);
    SYNC_BY_VOLUME_UP(t);
    CHECK(waitForNoMenu(t.program.processId, 0));
    CHECK_CARD_LOG(t.dir, {kVolumeUpLine});
    CHECK_PANEL(t.window, "1011", true, 5);
    CHECK_TIP(t.window, IDC_EXIT, "Exit Tunrix");
    // Exit ends the program; the file is written as read.
    CHECK_EXIT_WRITES(t, file);
    CHECK(wineTrayIcons().size() == before.size());
}

// End-to-end tests of tunrix-virtual.exe under Wine: start-up on each kind of
// system, the commands a user clicks, what reaches the (virtual) card, what the
// panel and the captions show, and radio.ini as the program leaves it.
#include "tunrix.h"

using namespace e2e;

// ---- Without the giveio driver (Windows NT 4.0) -------------------------

TEST_CASE("nodriver", driver_error_dialog_shows_its_texts_and_every_way_closes_it) {
    static const char* const kTexts[4] = {
        "Windows NT has been detected.  In order to use the Radio",
        "card, the \"giveio.sys\" driver must be loaded.  Please consult",
        "the \"INSTALL.TXT\" file for instructions on how to install this",
        "driver, or check the web page:  ",
    };
    for (CloseWay way : {kByOkButton, kByEnter, kByEscape, kByCloseBox}) {
        note(std::string("closing by ") + closeWayName(way));
        Tunrix t;
        const std::string ini = kExampleIni;
        DialogSeen box = startToMessageBox(t, &ini, E2E_HERE);
        if (!box.window) return;
        CHECK_EQ(box.title, "FM Driver Error!");
        CHECK_EQ(static_cast<long long>(box.texts.size()), 5);
        for (size_t i = 0; i < 4 && i < box.texts.size(); ++i) CHECK_EQ(box.texts[i], kTexts[i]);
        if (box.texts.size() == 5) CHECK(!box.texts[4].empty());
        CHECK(box.buttons.size() == 1 && box.buttons[0] == "OK");
        CHECK(topWindowsOf(t.program.processId, "Tunrix").empty());
        closeBy(box.window, way);
        CHECK_ENDS_WRITING(t, kExampleIni);
        CHECK_NO_CARD_LOG(t);
    }
}

// ---- Windows 98 -----------------------------------------------------------

TEST_CASE("win98", refuses_to_run_without_windows_nt) {
    Tunrix t;
    const std::string ini = kExampleIni;
    DialogSeen box = startToMessageBox(t, &ini, E2E_HERE);
    if (!box.window) return;
    CHECK_EQ(box.title, "Tunrix (NT Version)");
    CHECK(box.texts.size() == 1 && box.texts[0] == "Windows NT not detected!");
    CHECK(topWindowsOf(t.program.processId, "Tunrix").empty());
    pressOk(box.window);
    CHECK_ENDS_WRITING(t, kExampleIni);
    CHECK_NO_CARD_LOG(t);
}

// ---- Windows NT 3.51 --------------------------------------------------------

TEST_CASE("nt351", nt3_runs_without_tray_even_when_the_file_asks_for_it) {
    Tunrix t;
    const std::string ini = example({{"[TRAY STATUS]\n0", "[TRAY STATUS]\n1"}});
    if (!startShown(t, ini, E2E_HERE)) return;
    CHECK_CAPTION(t.window, IDC_EXIT, "E&xit");
    CHECK(!trayIconExists(t.window, ID_TRAY_ICON));
    CHECK_PANEL(t.window, "1011", true, 5);
    // Exit ends the program instead of hiding the window.
    CHECK_EXIT_WRITES(t, ini);
    CHECK_NO_CARD_LOG(t);
}

// ---- Windows NT 4.0 with the driver -------------------------------------------

TEST_CASE("nt40", missing_radio_ini_is_reported_and_ends_the_program) {
    Tunrix t;
    DialogSeen box = startToMessageBox(t, nullptr, E2E_HERE);
    if (!box.window) return;
    CHECK_EQ(box.title, "Error");
    CHECK(box.texts.size() == 1 && (box.texts[0] == "Error opening radio.ini file!\n" ||
                                    box.texts[0] == "Error opening radio.ini file!"));
    if (!box.texts.empty()) note("message text " + visible(box.texts[0]));
    // The main window may exist (its initialisation reads the file) but is never shown.
    for (HWND w : topWindowsOf(t.program.processId, "Tunrix")) CHECK(!IsWindowVisible(w));
    pressOk(box.window);
    CHECK_EXITS_WITH_ZERO(t);
    CHECK_NO_CARD_LOG(t);
    CHECK(!fileExists(joinPath(t.dir, "radio.ini")));
}

TEST_CASE("nt40", start_with_radio_on_sends_nothing_and_shows_the_station) {
    Tunrix t;
    if (!startShown(t, kExampleIni, E2E_HERE)) return;
    CHECK_TITLE(t.window, "Tunrix - Oldies");
    CHECK_PANEL(t.window, "1011", true, 5);
    CHECK_CAPTION(t.window, IDC_EXIT, "E&xit");
    CHECK_CAPTION(t.window, IDC_SCAN, "Preset &Scan");
    CHECK_CAPTION(t.window, IDC_POWER, "&Power");
    CHECK(!trayIconExists(t.window, ID_TRAY_ICON));
    Sleep(300);
    CHECK_NO_CARD_LOG(t);
}

// The last station is matched to the presets as text, not as a number; the
// title shows the matched preset's description only with the title flag set.
TEST_CASE("nt40", start_matches_the_last_station_to_a_preset_by_its_text) {
    struct Start {
        const char* preset3;
        const char* titleFlag;
        const char* title;
        int presetIndex;
    };
    const Start starts[] = {
        {"101.5", "1", "Tunrix - Classical", 2},
        {"101.50", "1", "Tunrix - ", 10},
        {"101.5", "0", "Tunrix", 2},
    };
    for (const Start& s : starts) {
        note(std::string("preset 3 ") + s.preset3 + ", title flag " + s.titleFlag);
        Tunrix t;
        const std::string ini = example({{"[LAST STATION]\n101.1", "[LAST STATION]\n101.5"},
                                         {"\n094.7\n", std::string("\n") + s.preset3 + "\n"},
                                         {"[TITLEBAR_FLAG]\n1", std::string("[TITLEBAR_FLAG]\n") + s.titleFlag}});
        if (!startShown(t, ini, E2E_HERE)) return;
        CHECK_TITLE(t.window, s.title);
        CHECK_PANEL(t.window, "1015", true, s.presetIndex);
        CHECK_EXIT_WRITES(t, ini);
    }
}

TEST_CASE("nt40", start_with_radio_off_tunes_the_last_station_once) {
    Tunrix t;
    if (!startShown(t, example({{"[POWER STATUS]\n1", "[POWER STATUS]\n0"}}), E2E_HERE)) return;
    CHECK_CARD_LOG(t.dir, {tuneLine(4471)});
    CHECK_PANEL(t.window, "1011", true, 5);
    CHECK_TITLE(t.window, "Tunrix - Oldies");
}

TEST_CASE("nt40", start_in_tray_hides_window_tunes_twice_and_exit_only_hides) {
    Tunrix t;
    const LineChanges inTray = {{"[TRAY STATUS]\n0", "[TRAY STATUS]\n1"}};
    if (!startInTray(t, example({{"[POWER STATUS]\n1", "[POWER STATUS]\n0"}, inTray[0]}), E2E_HERE)) return;
    CHECK_CARD_LOG(t.dir, {tuneLine(4471), tuneLine(4471)});
    CHECK(!IsWindowVisible(t.window));
    CHECK_CAPTION(t.window, IDC_EXIT, "&Hide");
    // Exit only hides the window while the program runs in the tray ...
    CHECK(clickControl(t.window, IDC_EXIT));
    CHECK_EQ(static_cast<long long>(waitForExit(t.program, 500)), STILL_ACTIVE);
    // ... and the popup menu's Exit ends it.
    postClick(t.window, IDM_EXIT);
    CHECK_ENDS_WRITING(t, example(inTray));
}

TEST_CASE("nt40", preset_buttons_tune_their_station_and_show_it) {
    struct Press {
        int preset;  // 1-10
        int word;
        const char* cells;
        const char* title;
    };
    // Preset 10 holds "88.0" in the file: it is shown as 88.0 and then kept as 088.0.
    const Press presses[] = {
        {1, 3968, " 885", "Tunrix - Jazz"},
        {10, 3948, " 880", "Tunrix - N/A"},
        {3, 4215, " 947", "Tunrix - Classical"},
        {6, 4471, "1011", "Tunrix - Oldies"},
    };
    Tunrix t;
    if (!startShown(t, kExampleIni, E2E_HERE)) return;
    std::vector<std::string> log;
    for (const Press& p : presses) {
        note("preset " + std::to_string(p.preset));
        CHECK(clickControl(t.window, IDC_PRESET_1 + p.preset - 1));
        log.push_back(tuneLine(p.word));
        CHECK_CARD_LOG(t.dir, log);
        CHECK_TITLE(t.window, p.title);
        CHECK_PANEL(t.window, p.cells, true, p.preset - 1);
    }
    CHECK_EXIT_WRITES(t, example({{"\n88.0\n", "\n088.0\n"}}));
}

TEST_CASE("nt40", volume_and_steps_only_while_on_power_off_and_on) {
    Tunrix t;
    if (!startShown(t, kExampleIni, E2E_HERE)) return;
    CHECK(clickControl(t.window, IDC_VOLUME_UP));
    CHECK(clickControl(t.window, IDC_VOLUME_DOWN));
    std::vector<std::string> log = {kVolumeUpLine, kVolumeDownLine};
    CHECK_CARD_LOG(t.dir, log);

    CHECK(clickControl(t.window, IDC_POWER));
    log.push_back(kOffLine);
    CHECK_CARD_LOG(t.dir, log);
    CHECK_PANEL(t.window, "1011", false, 5);
    CHECK_TITLE(t.window, "Tunrix - Oldies");
    CHECK_CAPTION(t.window, IDC_POWER, "&Power");

    // While off, volume and the four steps do nothing at all.
    for (int id : {IDC_VOLUME_UP, IDC_VOLUME_DOWN, IDC_COARSE_DOWN, IDC_COARSE_UP, IDC_FINE_DOWN, IDC_FINE_UP})
        CHECK(clickControl(t.window, id));
    CHECK_CARD_LOG(t.dir, log);
    CHECK_PANEL(t.window, "1011", false, 5);

    // Power on tunes the station that was playing.
    CHECK(clickControl(t.window, IDC_POWER));
    log.push_back(tuneLine(4471));
    CHECK_CARD_LOG(t.dir, log);
    CHECK_PANEL(t.window, "1011", true, 5);

    // Off again, then a preset press switches the radio on.
    CHECK(clickControl(t.window, IDC_POWER));
    CHECK(clickControl(t.window, IDC_PRESET_1 + 1));
    log.insert(log.end(), {kOffLine, tuneLine(4104)});
    CHECK_CARD_LOG(t.dir, log);
    CHECK_PANEL(t.window, " 919", true, 1);
    CHECK_TITLE(t.window, "Tunrix - News");

    // Off at exit: the file keeps power 0 and the station that was playing.
    CHECK(clickControl(t.window, IDC_POWER));
    log.push_back(kOffLine);
    CHECK_CARD_LOG(t.dir, log);
    CHECK_EXIT_WRITES(t, example({{"[LAST STATION]\n101.1", "[LAST STATION]\n091.9"},
                                  {"[POWER STATUS]\n1", "[POWER STATUS]\n0"}}));
}

TEST_CASE("nt40", tuning_steps_wrap_at_the_band_ends) {
    struct Step {
        int button;
        const char* text;  // the station afterwards
        int word;
        const char* cells;
    };
    const Step steps[] = {
        {IDC_COARSE_UP, "087.5", 3928, " 875"},    // 107.0 + 1.0 reaches 108.0: wraps
        {IDC_COARSE_DOWN, "108.0", 4748, "1080"},  // 86.5 is 88.0 or less: wraps
        {IDC_FINE_UP, "087.5", 3928, " 875"},      // 108.1: wraps
        {IDC_FINE_DOWN, "108.0", 4748, "1080"},    // 87.4: wraps
        {IDC_FINE_DOWN, "107.9", 4744, "1079"},
        {IDC_FINE_UP, "087.5", 3928, " 875"},      // exactly 108.0: wraps
        {IDC_FINE_UP, "087.6", 3932, " 876"},
        {IDC_FINE_DOWN, "108.0", 4748, "1080"},    // exactly 87.5: wraps
        {IDC_COARSE_DOWN, "107.0", 4708, "1070"},
        {IDC_COARSE_UP, "087.5", 3928, " 875"},
        {IDC_COARSE_UP, "088.5", 3968, " 885"},    // equals preset 1, yet no preset is current
        {IDC_COARSE_DOWN, "108.0", 4748, "1080"},  // exactly 87.5 is 88.0 or less: wraps
    };
    Tunrix t;
    if (!startShown(t, example({{"[LAST STATION]\n101.1", "[LAST STATION]\n107.0"}}), E2E_HERE)) return;
    CHECK_TITLE(t.window, "Tunrix - ");
    CHECK_PANEL(t.window, "1070", true, 10);
    std::vector<std::string> log;
    for (const Step& s : steps) {
        note(std::string("step to ") + s.text);
        CHECK(clickControl(t.window, s.button));
        log.push_back(tuneLine(s.word));
        CHECK_CARD_LOG(t.dir, log);
        CHECK_PANEL(t.window, s.cells, true, 10);
        CHECK_TITLE(t.window, "Tunrix - ");
    }
    closeBy(t.window, kByEscape);
    CHECK_ENDS_WRITING(t, example({{"[LAST STATION]\n101.1", "[LAST STATION]\n108.0"}}));
}

// Exit button, Escape, the close box and WM_CLOSE all run the exit sequence:
// radio.ini is written byte for byte in its format and the status is 0.
TEST_CASE("nt40", every_exit_writes_radio_ini_exactly) {
    for (CloseWay way : {kByExitButton, kByEscape, kByCloseBox, kByWmClose}) {
        note(std::string("exit by ") + closeWayName(way));
        Tunrix t;
        // Off at the last exit: start-up switches the radio on, so the file
        // written now says on, which makes it the example again.
        if (!startShown(t, example({{"[POWER STATUS]\n1", "[POWER STATUS]\n0"}}), E2E_HERE)) return;
        CHECK_CARD_LOG(t.dir, {tuneLine(4471)});
        closeBy(t.window, way);
        CHECK_ENDS_WRITING(t, kExampleIni);
        CHECK_CARD_LOG(t.dir, {tuneLine(4471)});
    }
}

TEST_CASE("nt40", example_file_survives_a_run_unchanged) {
    Tunrix t;
    if (!startShown(t, kExampleIni, E2E_HERE)) return;
    CHECK_PANEL(t.window, "1011", true, 5);
    CHECK_EXIT_WRITES(t, kExampleIni);
    CHECK_NO_CARD_LOG(t);
}

TEST_CASE("nt40", card_at_0x30c_is_driven_at_port_0x30f) {
    Tunrix t;
    const LineChanges off = {{"[POWER STATUS]\n1", "[POWER STATUS]\n0"}};
    if (!startShown(t, example({off[0], {"\n20f", "\n30F"}}), E2E_HERE)) return;
    CHECK(clickControl(t.window, IDC_VOLUME_UP));
    CHECK(clickControl(t.window, IDC_POWER));
    CHECK_CARD_LOG(t.dir, {tuneLine(4471, "0x30f"), "0x30f volume up", "0x30f off"});
    CHECK_EXIT_WRITES(t, example({off[0], {"\n20f", "\n30f"}}));
}

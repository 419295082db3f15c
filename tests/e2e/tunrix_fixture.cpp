// Win32 side of the shared tunrix fixture; see tunrix_fixture.h.
#include "tunrix_fixture.h"

#include <cstdio>
#include <cstdlib>

namespace e2e {

std::string tunrixExe() { return option("tunrix"); }

HMODULE tunrixResources() {
    static HMODULE module = loadResourceModule(tunrixExe());
    return module;
}

const char kExampleIni[] =
    "[LAST STATION]\n101.1\n\n"
    "[PRESETS]\n088.5\n091.9\n094.7\n097.1\n099.5\n101.1\n103.5\n105.9\n107.3\n88.0\n\n"
    "[PRESET_INFORMATION]\nJazz\nNews\nClassical\nTalk\nRock\nOldies\nCountry\nCollege\nSports\nN/A\n\n"
    "[POWER STATUS]\n1\n\n[BUTTON BEEPS]\n1\n\n[TRAY STATUS]\n0\n\n"
    "[PRESET_CYCLE_DURATION]\n10\n\n[PRESET_CYCLE_FLAG]\n0\n\n[TITLEBAR_FLAG]\n1\n\n[IO PORT]\n20f";

std::string changedText(const char* base, const LineChanges& changes) {
    std::string text = base;
    for (const auto& change : changes) {
        size_t at = text.find(change.first);
        if (at == std::string::npos) {
            std::printf("    fixture: \"%s\" is not in the file\n", change.first.c_str());
            std::fflush(stdout);
            std::abort();
        }
        text.replace(at, change.first.size(), change.second);
    }
    return text;
}

std::string example(const LineChanges& changes) { return changedText(kExampleIni, changes); }

bool launchTunrix(Tunrix& t, const std::string* ini, Where where, bool kept) {
    t.dir = ini ? makeWorkDirWithIni(*ini) : makeWorkDir();
    copyFileTo(option("beep"), t.dir, "beep.wav");
    return check(startProgram(t.program, tunrixExe(), t.dir, "", !kept), "tunrix starts", where);
}

bool findMainWindow(Tunrix& t, bool shown, Where where) {
    HWND box = nullptr;
    waitUntil([&]() {
        for (HWND w : topWindowsOf(t.program.processId)) {
            const std::string kind = className(w);
            if (kind == "Tunrix" && (!shown || IsWindowVisible(w))) t.window = w;
            else if (kind == "#32770" && IsWindowVisible(w)) box = w;
        }
        return t.window != nullptr || box != nullptr;
    }, 15000);
    if (box && !t.window) {
        DialogSeen seen;
        readDialog(box, seen);
        std::string texts;
        for (const std::string& text : seen.texts) texts += " " + visible(text);
        return check(false, "a message box came up instead of the main window: " + visible(seen.title) + texts,
                     where);
    }
    return check(t.window != nullptr, shown ? "the main window is shown" : "the main window exists", where);
}

bool startTunrix(Tunrix& t, const std::string& ini, bool shown, Where where, bool kept) {
    return launchTunrix(t, &ini, where, kept) && findMainWindow(t, shown, where);
}

bool startShown(Tunrix& t, const std::string& ini, Where where) { return startTunrix(t, ini, true, where); }

std::string iniOf(const Tunrix& t) { return readFileBytes(joinPath(t.dir, "radio.ini")); }

void checkExitsWithZero(Tunrix& t, Where where) {
    checkEqual(static_cast<long long>(waitForExit(t.program, 10000)), 0, "exit status", where);
}

std::string tuneLine(int word, const char* port) {
    char line[64];
    int khz = word * 25 - 10700;
    std::snprintf(line, sizeof line, "%s tune %d %d.%03d", port, word, khz / 1000, khz % 1000);
    return line;
}

static std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& l : lines) text += l + "\n";
    return text;
}

void checkCardLog(const std::string& dir, const std::vector<std::string>& expected, Where where) {
    waitForCardLog(dir, expected.size(), 3000);
    Sleep(250);
    checkEqual(joined(cardLogLines(dir)), joined(expected), "card.log", where);
}

void checkTitle(HWND window, const std::string& expected, Where where) {
    std::string title;
    waitUntil([&]() { return (title = windowText(window)) == expected; }, 2000);
    checkEqual(title, expected, "window title", where);
}

void checkCells(HWND window, const char* cells, Where where) {
    static const int kCellX[4] = {19, 36, 50, 70};
    for (int i = 0; i < 4; ++i) {
        int id = cells[i] == ' ' ? kBlankCell : kDigit0 + (cells[i] - '0');
        checkShowsBitmap(window, kCellX[i], 12, tunrixResources(), id, where);
    }
}

void checkLamp(HWND window, bool on, Where where) {
    checkShowsBitmap(window, 125, 12, tunrixResources(), on ? kLampOn : kLampOff, where);
    COLORREF lamp = clientPixel(window, 131, 16);
    char what[80];
    std::snprintf(what, sizeof what, "lamp pixel %06lx is %s", static_cast<unsigned long>(lamp),
                  on ? "green" : "red");
    check(on ? isGreen(lamp) : isRed(lamp), what, where);
}

void checkPanel(HWND window, const char* cells, bool lampOn, int presetIndex, Where where) {
    checkCells(window, cells, where);
    checkLamp(window, lampOn, where);
    HMODULE res = tunrixResources();
    char what[80];
    for (int i = 0; i < 10; ++i) {
        if (i == presetIndex) {
            checkShowsBitmap(window, 124, 25, res, kPresetNumber1 + i, where);
        } else {
            std::snprintf(what, sizeof what, "preset number %d is not shown", i + 1);
            check(!clientShowsBitmap(window, 124, 25, res, kPresetNumber1 + i, nullptr), what, where);
        }
    }
}

void checkPanelImage(HWND window, int x, int y, int bitmapId, bool shown, const char* what, Where where) {
    bool ok = waitUntil([&]() {
        return clientShowsBitmap(window, x, y, tunrixResources(), bitmapId, nullptr) == shown;
    }, 2000, 50);
    check(ok, std::string(what) + (shown ? " is shown" : " is not shown"), where);
}

}  // namespace e2e

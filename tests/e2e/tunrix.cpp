// The tunrix fixture; see tunrix.h.
#include "tunrix.h"

#include <cstdio>
#include <cstdlib>

namespace e2e {

std::string tunrixExe() { return option("tunrix"); }

HMODULE tunrixResources() {
    static HMODULE module = loadResourceModule(tunrixExe());
    return module;
}

// ---- radio.ini ------------------------------------------------------------

const char kExampleIni[] =
    "[LAST STATION]\n101.1\n\n"
    "[PRESETS]\n088.5\n091.9\n094.7\n097.1\n099.5\n101.1\n103.5\n105.9\n107.3\n88.0\n\n"
    "[PRESET_INFORMATION]\nJazz\nNews\nClassical\nTalk\nRock\nOldies\nCountry\nCollege\nSports\nN/A\n\n"
    "[POWER STATUS]\n1\n\n[BUTTON BEEPS]\n1\n\n[TRAY STATUS]\n0\n\n"
    "[PRESET_CYCLE_DURATION]\n10\n\n[PRESET_CYCLE_FLAG]\n0\n\n[TITLEBAR_FLAG]\n1\n\n[IO PORT]\n20f";

static std::string changedText(const std::string& base, const LineChanges& changes) {
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

std::string quietExample(LineChanges changes) {
    changes.insert(changes.begin(), {"[BUTTON BEEPS]\n1", "[BUTTON BEEPS]\n0"});
    return example(changes);
}

const std::pair<const char*, const char*> kNoTray = {"[TRAY STATUS]\n1", "[TRAY STATUS]\n0"};

std::string trayExample(const LineChanges& changes) {
    return changedText(example({{"\n88.0\n\n", "\n107.9\n\n"},
                                {"\n088.5\n", "\n088.0\n"},
                                {"\n097.1\n", "\n095.0\n"},
                                {"[TRAY STATUS]\n0", "[TRAY STATUS]\n1"},
                                {"CYCLE_DURATION]\n10", "CYCLE_DURATION]\n1"}}),
                       changes);
}

const Preset kTrayPresets[10] = {
    {"088.0", 3948, " 880"}, {"091.9", 4104, " 919"}, {"094.7", 4215, " 947"}, {"095.0", 4228, " 950"},
    {"099.5", 4408, " 995"}, {"101.1", 4471, "1011"}, {"103.5", 4568, "1035"}, {"105.9", 4664, "1059"},
    {"107.3", 4720, "1073"}, {"107.9", 4744, "1079"},
};

int trayPresetOfLine(const std::string& line) {
    for (int i = 0; i < 10; ++i) {
        if (line == tuneLine(kTrayPresets[i].word)) return i;
    }
    return -1;
}

// ---- Starting ---------------------------------------------------------------

static bool launchTunrix(Tunrix& t, const std::string* ini, Where where, bool kept = false) {
    t.dir = ini ? makeWorkDirWithIni(*ini) : makeWorkDir();
    copyFileTo(option("beep"), t.dir, "beep.wav");
    return check(startProgram(t.program, tunrixExe(), t.dir, "", !kept), "tunrix starts", where);
}

static bool findMainWindow(Tunrix& t, bool shown, Where where) {
    const DWORD pid = t.program.processId;
    const Find main = shown ? ofClass("Tunrix") : ofClass("Tunrix").hiddenToo();
    HWND box = nullptr;
    waitUntil([&]() {
        t.window = waitForWindow(pid, main, 0);
        box = waitForWindow(pid, ofClass(kDialogClass), 0);
        return t.window != nullptr || box != nullptr;
    }, 15000);
    if (box && !t.window)
        return check(false, "a message box came up instead of the main window: " + describe(readDialog(box)), where);
    return check(t.window != nullptr, shown ? "the main window is shown" : "the main window exists", where);
}

bool startTunrix(Tunrix& t, const std::string& ini, bool shown, Where where, bool kept) {
    return launchTunrix(t, &ini, where, kept) && findMainWindow(t, shown, where);
}

bool startShown(Tunrix& t, const std::string& ini, Where where) { return startTunrix(t, ini, true, where); }

bool startInTray(Tunrix& t, const std::string& ini, Where where, HWND* icon) {
    if (icon) parkPointer();
    const std::vector<HWND> before = wineTrayIcons();
    if (!startTunrix(t, ini, false, where)) return false;
    // The icon is added at the end of the window's initialisation.
    if (!check(waitUntil([&]() { return trayIconExists(t.window, ID_TRAY_ICON); }, 5000),
               "the shell knows the tray icon", where))
        return false;
    if (icon) *icon = newTrayIcon(before);
    return !icon || check(*icon != nullptr, "the icon shows in the notification area", where);
}

DialogSeen startToMessageBox(Tunrix& t, const std::string* ini, Where where) {
    DialogSeen box;
    if (launchTunrix(t, ini, where))
        box = readDialog(waitForWindow(t.program.processId, ofClass(kDialogClass), 15000));
    check(box.window != nullptr, "a message box comes up", where);
    return box;
}

// ---- card.log -----------------------------------------------------------------

std::string tuneLine(int word, const char* port) {
    char line[64];
    int khz = word * 25 - 10700;
    std::snprintf(line, sizeof line, "%s tune %d %d.%03d", port, word, khz / 1000, khz % 1000);
    return line;
}

void checkCardLog(const std::string& dir, const std::vector<std::string>& expected, Where where) {
    waitUntil([&]() { return cardLogLines(dir).size() >= expected.size(); }, 3000);
    Sleep(250);
    checkEqual(cardLogText(dir), joinLines(expected), "card.log", where);
}

void checkNoCardLog(const Tunrix& t, Where where) {
    check(!fileExists(joinPath(t.dir, "card.log")), "nothing reached the card (no card.log)", where);
}

long waitForLineAfter(const Tunrix& t, size_t count, DWORD since, int timeoutMs) {
    if (!waitUntil([&]() { return cardLogLines(t.dir).size() > count; }, timeoutMs, 10)) return -1;
    return static_cast<long>(GetTickCount() - since);
}

std::vector<std::string> checkCardQuietFor(const Tunrix& t, int ms, Where where) {
    const size_t count = cardLogLines(t.dir).size();
    Sleep(ms);
    std::vector<std::string> lines = cardLogLines(t.dir);
    checkEqual(static_cast<long long>(lines.size()), static_cast<long long>(count), "card.log lines", where);
    return lines;
}

bool syncByVolumeUp(Tunrix& t, Where where) {
    const size_t before = cardLogLines(t.dir).size();
    postClick(t.window, IDC_VOLUME_UP);
    bool seen = waitUntil([&]() {
        std::vector<std::string> lines = cardLogLines(t.dir);
        for (size_t i = before; i < lines.size(); ++i) {
            if (lines[i] == kVolumeUpLine) return true;
        }
        return false;
    }, 5000);
    return check(seen, "the volume-up command posted as a marker reaches the card", where);
}

// ---- Window, panel, exit --------------------------------------------------------

void checkTitle(HWND window, const std::string& expected, Where where) {
    std::string title;
    waitUntil([&]() { return (title = windowText(window)) == expected; }, 2000);
    checkEqual(title, expected, "window title", where);
}

void checkCaption(HWND window, int controlId, const std::string& expected, Where where) {
    std::string caption;
    waitUntil([&]() { return (caption = controlText(window, controlId)) == expected; }, 2000);
    checkEqual(caption, expected, ("caption of " + std::to_string(controlId)).c_str(), where);
}

void checkCells(HWND window, const char* cells, Where where) {
    static const int kCellX[4] = {19, 36, 50, 70};
    for (int i = 0; i < 4; ++i) {
        int id = cells[i] == ' ' ? IDB_BLANK : IDB_DIGIT_0 + (cells[i] - '0');
        checkShowsBitmap(window, kCellX[i], 12, tunrixResources(), id, where);
    }
}

void checkLamp(HWND window, bool on, Where where) {
    checkShowsBitmap(window, 125, 12, tunrixResources(), on ? IDB_LAMP_ON : IDB_LAMP_OFF, where);
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
            checkShowsBitmap(window, 124, 25, res, IDB_PRESET_1 + i, where);
        } else {
            std::snprintf(what, sizeof what, "preset number %d is not shown", i + 1);
            check(!clientShowsBitmap(window, 124, 25, res, IDB_PRESET_1 + i, nullptr), what, where);
        }
    }
}

namespace {
struct MarkPlace {
    int x, y, bitmap;
    const char* name;
};
const MarkPlace kMarks[] = {
    {95, 25, IDB_HEART, "heart"}, {92, 25, IDB_PSCAN, "PSCAN"}, {16, 27, IDB_CLOCK, "the clock"},
    {17, 10, IDB_SLEEP_Z, "the sleep Z"},
};
}  // namespace

bool markShown(HWND window, Mark mark) {
    const MarkPlace& m = kMarks[mark];
    return clientShowsBitmap(window, m.x, m.y, tunrixResources(), m.bitmap, nullptr);
}

void checkMark(HWND window, Mark mark, bool shown, Where where) {
    bool ok = waitUntil([&]() { return markShown(window, mark) == shown; }, 2000, 50);
    check(ok, std::string(kMarks[mark].name) + (shown ? " is shown" : " is not shown"), where);
}

void checkShown(HWND window, bool shown, Where where) {
    check(waitUntil([&]() { return (IsWindowVisible(window) != FALSE) == shown; }, 5000),
          shown ? "the main window is shown" : "the main window is hidden", where);
}

std::string iniOf(const Tunrix& t) { return readFileBytes(joinPath(t.dir, "radio.ini")); }

void checkExitsWithZero(Tunrix& t, Where where) { checkExitStatus(t.program, 0, where); }

void checkEndsWriting(Tunrix& t, const std::string& ini, Where where) {
    checkExitsWithZero(t, where);
    checkEqual(iniOf(t), withCrLf(ini), "radio.ini", where);
}

void checkExitWrites(Tunrix& t, const std::string& ini, Where where) {
    postClick(t.window, IDC_EXIT);
    checkEndsWriting(t, ini, where);
}

// ---- Tray menu -------------------------------------------------------------------

bool sendTrayMouse(Tunrix& t, UINT mouseMessage) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(t.window, WM_TRAY_CALLBACK, ID_TRAY_ICON, mouseMessage, SMTO_NORMAL, 10000, &result) != 0;
}

HWND openTrayMenu(Tunrix& t) {
    movePointer(kMenuPoint.x, kMenuPoint.y);
    PostMessageA(t.window, WM_TRAY_CALLBACK, ID_TRAY_ICON, WM_RBUTTONDOWN);
    return waitForMenu(t.program.processId, 5000);
}

bool pickFromTrayMenu(Tunrix& t, const std::vector<int>& keys, Where where) {
    HWND menu = openTrayMenu(t);
    if (!check(menu != nullptr, "the tray menu comes up", where)) return false;
    return check(pickFromMenu(t.program.processId, menu, keys), "the tray menu closes", where);
}

// ---- Dialogs of the main window ------------------------------------------------------

HWND dialogOf(const Tunrix& t, const char* caption, Where where) {
    HWND dialog = waitForWindow(t.program.processId, ofClass(kDialogClass).titled(caption).ownedBy(t.window), 10000);
    check(dialog != nullptr, std::string("dialog ") + visible(caption) + " opens", where);
    // The dialog fills its controls while it is created; let that finish.
    if (dialog) Sleep(100);
    return dialog;
}

HWND openDialog(const Tunrix& t, int command, const char* caption, Where where) {
    postClick(t.window, command);
    return dialogOf(t, caption, where);
}

void checkNoDialog(const Tunrix& t, Where where) {
    check(waitForNoWindow(t.program.processId, ofClass(kDialogClass).ownedBy(t.window), 3000),
          "the main window has no dialog open", where);
}

void closeDialog(const Tunrix& t, HWND dialog, CloseWay way, Where where) {
    if (!dialog) return;
    closeBy(dialog, way);
    checkNoDialog(t, where);
}

}  // namespace e2e

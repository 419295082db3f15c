// Measures tunrix-virtual.exe against the two yardstick dialog programs under
// the same Wine: start-up time, the delay from a preset click to the card
// (first click apart, beeps off and on), CPU used while idle (pointer parked
// away from the buttons, and resting on one) and the working set. Prints the
// figures; judges nothing.
#include <windows.h>
#include <psapi.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "driver.h"

using namespace e2e;

namespace {

constexpr int kMemoryButton = 1030;

// radio.ini of every run; beeps is the [BUTTON BEEPS] value.
std::string iniText(bool beeps) {
    return std::string(
               "[LAST STATION]\n101.1\n\n"
               "[PRESETS]\n088.5\n091.9\n094.7\n097.1\n099.5\n101.1\n103.5\n105.9\n107.3\n88.0\n\n"
               "[PRESET_INFORMATION]\nJazz\nNews\nClassical\nTalk\nRock\nOldies\nCountry\nCollege\nSports\nN/A\n\n"
               "[POWER STATUS]\n1\n\n[BUTTON BEEPS]\n") +
           (beeps ? "1" : "0") +
           "\n\n[TRAY STATUS]\n0\n\n"
           "[PRESET_CYCLE_DURATION]\n10\n\n[PRESET_CYCLE_FLAG]\n0\n\n[TITLEBAR_FLAG]\n1\n\n[IO PORT]\n20f";
}

double nowMs() {
    static LARGE_INTEGER frequency = {};
    if (frequency.QuadPart == 0) QueryPerformanceFrequency(&frequency);
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return counter.QuadPart * 1000.0 / frequency.QuadPart;
}

int intOption(const char* name, int fallback) {
    std::string value = option(name);
    return value.empty() ? fallback : std::atoi(value.c_str());
}

double median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Starts exe in a fresh folder with radio.ini (and beep.wav when beepWav is
// given) and returns the milliseconds until its window of the class is shown
// (negative when it never is).
double startToShown(const std::string& exe, const char* windowClass, RunningProgram& program, HWND* window,
                    bool beeps = true, const std::string& beepWav = "") {
    std::string dir = makeWorkDirWithIni(iniText(beeps));
    if (!beepWav.empty()) copyFileTo(beepWav, dir, "beep.wav");
    double start = nowMs();
    if (!startProgram(program, exe, dir)) return -1;
    HWND shown = nullptr;
    waitUntil([&]() {
        for (HWND w : topWindowsOf(program.processId, windowClass))
            if (IsWindowVisible(w)) shown = w;
        return shown != nullptr;
    }, 20000, 1);
    if (window) *window = shown;
    return shown ? nowMs() - start : -1;
}

double toMs(const FILETIME& kernel, const FILETIME& user) {
    ULARGE_INTEGER k, u;
    k.LowPart = kernel.dwLowDateTime;
    k.HighPart = kernel.dwHighDateTime;
    u.LowPart = user.dwLowDateTime;
    u.HighPart = user.dwHighDateTime;
    return (k.QuadPart + u.QuadPart) / 10000.0;
}

// CPU time of a process in ms: the sum of its threads' times. Wine 8 keeps
// per-thread times, but GetProcessTimes on another process answers the same
// figure for every process, so it is not used.
double cpuMs(const RunningProgram& program) {
    FILETIME created, exited, kernel, user;
    double byThreads = 0;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (snapshot != INVALID_HANDLE_VALUE) {
        THREADENTRY32 entry;
        entry.dwSize = sizeof entry;
        for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
            if (entry.th32OwnerProcessID != program.processId) continue;
            HANDLE thread = OpenThread(THREAD_QUERY_INFORMATION, FALSE, entry.th32ThreadID);
            if (!thread) continue;
            if (GetThreadTimes(thread, &created, &exited, &kernel, &user)) byThreads += toMs(kernel, user);
            CloseHandle(thread);
        }
        CloseHandle(snapshot);
    }
    return byThreads;
}

PROCESS_MEMORY_COUNTERS memoryOf(HANDLE process) {
    PROCESS_MEMORY_COUNTERS counters;
    ZeroMemory(&counters, sizeof counters);
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(process, &counters, sizeof counters);
    return counters;
}

double fastest(const std::vector<double>& values) {
    return values.empty() ? 0 : *std::min_element(values.begin(), values.end());
}

std::string folderOf(const std::string& path) {
    size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

// Preset clicks in a fresh tunrix after a second of rest: the delay from each
// click to its card.log line, less the 200 ms the card protocol waits.
// Alternates presets 1 and 2 so every click is a tune.
std::vector<double> clickDelays(const std::string& tunrix, bool beeps, const std::string& beepWav, int clicks) {
    std::vector<double> delays;
    RunningProgram radio;
    HWND window = nullptr;
    startToShown(tunrix, "Tunrix", radio, &window, beeps, beepWav);
    if (window) {
        Sleep(1000);
        for (int i = 0; i < clicks; ++i) {
            size_t before = cardLogLines(radio.workDir).size();
            double start = nowMs();
            clickControl(window, 1000 + (i % 2));
            bool logged = waitUntil([&]() { return cardLogLines(radio.workDir).size() > before; }, 5000, 1);
            if (logged) delays.push_back(nowMs() - start - 200.0);
            Sleep(100);  // the paint after the click, as between a user's clicks
        }
    }
    runCleanups();
    return delays;
}

void printClicks(const char* condition, const std::vector<double>& delays) {
    if (delays.empty()) {
        std::printf("  %-48s no card.log line seen\n", condition);
        return;
    }
    std::vector<double> later(delays.begin() + 1, delays.end());
    if (later.empty()) {
        std::printf("  %-48s %8.1f\n", condition, delays[0]);
        return;
    }
    std::printf("  %-48s %8.1f %8.1f %8.1f %8.1f %4zu\n", condition, delays[0], median(later),
                *std::min_element(later.begin(), later.end()), *std::max_element(later.begin(), later.end()),
                later.size());
}

// The class and text of the window under the pointer. GetWindowTextA reads
// another process's window without a message, so a busy program still answers.
std::string underPointer() {
    POINT at;
    GetCursorPos(&at);
    HWND below = WindowFromPoint(at);
    if (!below) return "nothing";
    char text[64] = "";
    GetWindowTextA(below, text, sizeof text);
    return className(below) + (text[0] ? std::string(" \"") + text + "\"" : std::string());
}

}  // namespace

int main(int argc, char** argv) {
    setArguments(argc, argv);
    const std::string tunrix = option("tunrix");
    const std::string minimal = option("minimal");
    const std::string minimalDlls = option("minimal-dlls");
    const std::string beepWav = option("beep");
    const std::string compare = option("compare");  // another build of tunrix, for start-up side by side
    const int starts = intOption("starts", 15);
    const int clicks = intOption("clicks", 11);
    const int idleSeconds = intOption("idle-seconds", 60);
    const int hoverSeconds = intOption("hover-seconds", 30);

    // Start-up, alternating the three programs so all meet the same conditions.
    std::vector<double> tunrixStart, minimalStart, dllsStart, compareStart;
    for (int i = 0; i < starts; ++i) {
        if (!compare.empty()) {
            RunningProgram other;
            double o = startToShown(compare, "Tunrix", other, nullptr);
            runCleanups();
            if (o >= 0) compareStart.push_back(o);
        }
        RunningProgram a, b, c;
        double t = startToShown(tunrix, "Tunrix", a, nullptr);
        runCleanups();
        double m = startToShown(minimal, "MinimalDialog", b, nullptr);
        runCleanups();
        double d = startToShown(minimalDlls, "MinimalDialog", c, nullptr);
        runCleanups();
        if (t >= 0) tunrixStart.push_back(t);
        if (m >= 0) minimalStart.push_back(m);
        if (d >= 0) dllsStart.push_back(d);
    }

    // Clicks, each condition in a fresh program. "No beep.wav anywhere" needs
    // a program folder without one: the sound is also looked for there.
    const bool beepBesideProgram = fileExists(joinPath(folderOf(tunrix), "beep.wav"));
    std::vector<double> beepsOff = clickDelays(tunrix, false, "", clicks);
    std::vector<double> beepsOnPresent = clickDelays(tunrix, true, beepWav, clicks);
    std::vector<double> beepsOnAbsent = clickDelays(tunrix, true, "", clicks);

    // At rest: all three programs up, nothing clicked, the pointer parked in
    // the screen's corner away from every button.
    RunningProgram radio, yardstick, yardstickDlls;
    HWND window = nullptr;
    startToShown(tunrix, "Tunrix", radio, &window, true, beepWav);
    startToShown(minimal, "MinimalDialog", yardstick, nullptr);
    startToShown(minimalDlls, "MinimalDialog", yardstickDlls, nullptr);
    if (!window) {
        std::printf("tunrix did not show its window; no figures\n");
        return 1;
    }
    parkPointer();
    const std::string parkedOn = underPointer();
    Sleep(2000);  // let the start-up paints settle before idling
    double idleStart[3] = {cpuMs(radio), cpuMs(yardstick), cpuMs(yardstickDlls)};
    Sleep(idleSeconds * 1000);
    double idleCpu[3] = {cpuMs(radio) - idleStart[0], cpuMs(yardstick) - idleStart[1],
                         cpuMs(yardstickDlls) - idleStart[2]};
    PROCESS_MEMORY_COUNTERS memory[3] = {memoryOf(radio.process), memoryOf(yardstick.process),
                                         memoryOf(yardstickDlls.process)};

    // The pointer resting on a button: its tooltip control watches the pointer.
    const POINT button = centreOf(GetDlgItem(window, kMemoryButton));
    movePointer(button.x, button.y);
    const std::string hoverOn = underPointer();
    Sleep(1000);
    double hoverStart = cpuMs(radio);
    Sleep(hoverSeconds * 1000);
    double hoverCpu = cpuMs(radio) - hoverStart;
    double totalCpu[3] = {cpuMs(radio), cpuMs(yardstick), cpuMs(yardstickDlls)};
    parkPointer();
    runCleanups();

    const double ts = median(tunrixStart), ms = median(minimalStart), ds = median(dllsStart);
    std::printf("Tunrix benchmark (tunrix-virtual.exe against two minimal dialog programs, same Wine)\n");
    std::printf("  A: minimal dialog (imports KERNEL32, USER32, COMCTL32, msvcrt)\n");
    std::printf("  B: the same, also importing and calling GDI32, SHELL32 and WINMM\n");
    std::printf("%-44s %9s %9s %9s %8s %8s\n", "", "tunrix", "A", "B", "ratio A", "ratio B");
    std::printf("%-44s %9.1f %9.1f %9.1f %8.2f %8.2f\n", "start-up to main window shown, median (ms)", ts, ms,
                ds, ms > 0 ? ts / ms : 0.0, ds > 0 ? ts / ds : 0.0);
    const double tf = fastest(tunrixStart), mf = fastest(minimalStart), df = fastest(dllsStart);
    std::printf("%-44s %9.1f %9.1f %9.1f %8.2f %8.2f\n", "start-up to main window shown, fastest (ms)", tf, mf,
                df, mf > 0 ? tf / mf : 0.0, df > 0 ? tf / df : 0.0);
    std::printf("  (%d starts each, alternating; %zu, %zu and %zu saw the window)\n", starts, tunrixStart.size(),
                minimalStart.size(), dllsStart.size());
    if (!compare.empty()) {
        const double cs = median(compareStart), cf = fastest(compareStart);
        std::printf("%-44s %9.1f %9s %9s %8.2f %8.2f\n", "the other tunrix (--compare), median (ms)", cs, "", "",
                    ms > 0 ? cs / ms : 0.0, ds > 0 ? cs / ds : 0.0);
        std::printf("%-44s %9.1f %9s %9s %8.2f %8.2f\n", "the other tunrix (--compare), fastest (ms)", cf, "", "",
                    mf > 0 ? cf / mf : 0.0, df > 0 ? cf / df : 0.0);
        std::printf("  (started in turn with the three above; %zu saw the window)\n", compareStart.size());
    }
    double kb[3];
    for (int i = 0; i < 3; ++i) kb[i] = memory[i].WorkingSetSize / 1024.0;
    std::printf("%-44s %9.0f %9.0f %9.0f %8.2f %8.2f\n", "working set at rest (KB)", kb[0], kb[1], kb[2],
                kb[1] > 0 ? kb[0] / kb[1] : 0.0, kb[2] > 0 ? kb[0] / kb[2] : 0.0);
    std::printf("  (tunrix %+.0f KB over A, %+.0f KB over B)\n", kb[0] - kb[1], kb[0] - kb[2]);
    std::printf("%-44s %9.0f %9.0f %9.0f\n", "peak working set (KB)", memory[0].PeakWorkingSetSize / 1024.0,
                memory[1].PeakWorkingSetSize / 1024.0, memory[2].PeakWorkingSetSize / 1024.0);
    std::printf("%-44s %9.0f %9.0f %9.0f\n", "private bytes (KB)", memory[0].PagefileUsage / 1024.0,
                memory[1].PagefileUsage / 1024.0, memory[2].PagefileUsage / 1024.0);

    std::printf("preset click to card.log line, less 200 ms (ms)\n");
    std::printf("  %-48s %8s %8s %8s %8s %4s\n", "", "first", "median", "min", "max", "n");
    std::printf("  %-48s %8s %8s\n", "", "click", "later");
    printClicks("beeps off", beepsOff);
    printClicks("beeps on, beep.wav in the working folder", beepsOnPresent);
    printClicks(beepBesideProgram ? "beeps on, beep.wav NOT absent (beside program)"
                                  : "beeps on, no beep.wav anywhere",
                beepsOnAbsent);
    std::printf("  (each condition in a fresh tunrix, clicks from 1 s after start-up, 100 ms apart)\n");

    std::printf("%-44s %9s %9s %9s\n", "CPU time (ms)", "tunrix", "A", "B");
    char label[80];
    std::snprintf(label, sizeof label, "at rest %d s, pointer parked away", idleSeconds);
    std::printf("%-44s %9.0f %9.0f %9.0f\n", label, idleCpu[0], idleCpu[1], idleCpu[2]);
    std::printf("  (pointer parked on: %s)\n", parkedOn.c_str());
    std::snprintf(label, sizeof label, "pointer resting on Memory, %d s", hoverSeconds);
    std::printf("%-44s %9.0f\n", label, hoverCpu);
    std::printf("  (pointer on: %s)\n", hoverOn.c_str());
    std::printf("%-44s %9.0f %9.0f %9.0f\n", "since start, all of the above", totalCpu[0], totalCpu[1],
                totalCpu[2]);
    std::printf("  (Wine counts thread times in 10 ms ticks: each CPU figure is a multiple of\n"
                "   10 ms and good to 10 ms; 0 means no tick was charged)\n");
    return 0;
}

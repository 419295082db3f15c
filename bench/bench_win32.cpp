// Measures tunrix-virtual.exe against the yardstick dialog program under the
// same Wine: start-up time, the delay from a preset click to the card, CPU
// used while idle and the working set. Prints the figures; judges nothing.
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

const char kIni[] =
    "[LAST STATION]\n101.1\n\n"
    "[PRESETS]\n088.5\n091.9\n094.7\n097.1\n099.5\n101.1\n103.5\n105.9\n107.3\n88.0\n\n"
    "[PRESET_INFORMATION]\nJazz\nNews\nClassical\nTalk\nRock\nOldies\nCountry\nCollege\nSports\nN/A\n\n"
    "[POWER STATUS]\n1\n\n[BUTTON BEEPS]\n1\n\n[TRAY STATUS]\n0\n\n"
    "[PRESET_CYCLE_DURATION]\n10\n\n[PRESET_CYCLE_FLAG]\n0\n\n[TITLEBAR_FLAG]\n1\n\n[IO PORT]\n20f";

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

// Starts exe in a fresh folder with radio.ini and returns the milliseconds
// until its window of the class is shown (negative when it never is).
double startToShown(const std::string& exe, const char* windowClass, RunningProgram& program, HWND* window) {
    std::string dir = makeWorkDirWithIni(kIni);
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

// CPU time of a process in ms. GetProcessTimes is the measure; Wine 8 gives
// zero for another process there but keeps per-thread times, so the sum over
// the process's threads is taken as well and the larger of the two reported.
double cpuMs(const RunningProgram& program) {
    FILETIME created, exited, kernel, user;
    double byProcess = 0;
    if (GetProcessTimes(program.process, &created, &exited, &kernel, &user)) byProcess = toMs(kernel, user);
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
    return byProcess > byThreads ? byProcess : byThreads;
}

PROCESS_MEMORY_COUNTERS memoryOf(HANDLE process) {
    PROCESS_MEMORY_COUNTERS counters;
    ZeroMemory(&counters, sizeof counters);
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(process, &counters, sizeof counters);
    return counters;
}

}  // namespace

int main(int argc, char** argv) {
    setArguments(argc, argv);
    const std::string tunrix = option("tunrix");
    const std::string minimal = option("minimal");
    const int starts = intOption("starts", 5);
    const int clicks = intOption("clicks", 10);
    const int idleSeconds = intOption("idle-seconds", 60);

    // Start-up, alternating the two programs so both meet the same conditions.
    std::vector<double> tunrixStart, minimalStart;
    for (int i = 0; i < starts; ++i) {
        RunningProgram a, b;
        double t = startToShown(tunrix, "Tunrix", a, nullptr);
        runCleanups();
        double m = startToShown(minimal, "MinimalDialog", b, nullptr);
        runCleanups();
        if (t >= 0) tunrixStart.push_back(t);
        if (m >= 0) minimalStart.push_back(m);
    }

    // Both programs stay up for the remaining measures.
    RunningProgram radio, yardstick;
    HWND window = nullptr;
    startToShown(tunrix, "Tunrix", radio, &window);
    startToShown(minimal, "MinimalDialog", yardstick, nullptr);
    if (!window) {
        std::printf("tunrix did not show its window; no figures\n");
        return 1;
    }

    // Preset click to its card.log line, alternating presets 1 and 2 so every
    // click is a tune; the 200 ms that the card protocol waits is taken off.
    std::vector<double> clickDelay;
    for (int i = 0; i < clicks; ++i) {
        size_t before = cardLogLines(radio.workDir).size();
        double start = nowMs();
        clickControl(window, 1000 + (i % 2));
        bool logged = waitUntil([&]() { return cardLogLines(radio.workDir).size() > before; }, 5000, 1);
        if (logged) clickDelay.push_back(nowMs() - start - 200.0);
    }

    Sleep(1000);  // let the last paint and beep settle before idling
    double radioCpu = cpuMs(radio), yardstickCpu = cpuMs(yardstick);
    Sleep(idleSeconds * 1000);
    double radioCpuTotal = cpuMs(radio), yardstickCpuTotal = cpuMs(yardstick);
    radioCpu = radioCpuTotal - radioCpu;
    yardstickCpu = yardstickCpuTotal - yardstickCpu;
    PROCESS_MEMORY_COUNTERS radioMemory = memoryOf(radio.process);
    PROCESS_MEMORY_COUNTERS yardstickMemory = memoryOf(yardstick.process);
    runCleanups();

    double ts = median(tunrixStart), ms = median(minimalStart);
    std::printf("Tunrix benchmark (tunrix-virtual.exe against a minimal dialog program, same Wine)\n");
    std::printf("%-52s %10s %10s %8s\n", "", "tunrix", "minimal", "ratio");
    std::printf("%-52s %10.1f %10.1f %8.2f\n", "start-up to main window shown, median (ms)", ts, ms,
                ms > 0 ? ts / ms : 0.0);
    std::printf("  (%d starts each; %zu and %zu saw the window)\n", starts, tunrixStart.size(), minimalStart.size());
    if (!clickDelay.empty()) {
        std::printf("%-52s %10.1f\n", "preset click to card.log line, less 200 ms (ms)", median(clickDelay));
        std::printf("  (median of %zu clicks; min %.1f, max %.1f)\n", clickDelay.size(),
                    *std::min_element(clickDelay.begin(), clickDelay.end()),
                    *std::max_element(clickDelay.begin(), clickDelay.end()));
    } else {
        std::printf("preset click: no card.log line seen\n");
    }
    char label[80];
    std::snprintf(label, sizeof label, "CPU time used in %d s idle (ms)", idleSeconds);
    std::printf("%-52s %10.1f %10.1f\n", label, radioCpu, yardstickCpu);
    double rw = radioMemory.WorkingSetSize / 1024.0, yw = yardstickMemory.WorkingSetSize / 1024.0;
    std::printf("%-52s %10.1f %10.1f\n", "CPU time used since start (ms)", radioCpuTotal, yardstickCpuTotal);
    std::printf("%-52s %10.0f %10.0f %8.2f\n", "working set (KB)", rw, yw, yw > 0 ? rw / yw : 0.0);
    std::printf("%-52s %10.0f %10.0f\n", "peak working set (KB)", radioMemory.PeakWorkingSetSize / 1024.0,
                yardstickMemory.PeakWorkingSetSize / 1024.0);
    std::printf("%-52s %10.0f %10.0f\n", "private bytes (KB)", radioMemory.PagefileUsage / 1024.0,
                yardstickMemory.PagefileUsage / 1024.0);
    return 0;
}

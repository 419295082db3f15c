// TEMPORARY stand-ins for main-window logic that other branches are still
// writing, so the skin builds and paints. Deleted when they are merged.
#include <cstdio>
#include <cstring>
#include <windows.h>
#include "ui/dialogs_win32.h"
#include "ui/main_window.h"
#include "ui/pending_core_win32.h"

void scanStep(Program&) {}
void memoryTimeout(Program&) {}
void cancelScanAndMemory(Program&) {}
void runJumpFlow(Program& p) { p.platform->runDialog(kJumpDialog); }
void schedulerCommand(Program&) {}
void sleepTimerCommand(Program&) {}
void schedulerPollTick(Program&) {}
void playingTimeEnded(Program&) {}
void sleepTimerEnded(Program&) {}
void onTrayCallback(Program&, unsigned) {}

void buildTrayMenuModel(const Program& p, TrayMenuModel& m) {
    for (int i = 0; i < 10; ++i)
        std::snprintf(m.presetItems[i], sizeof m.presetItems[i], "(%d) [%s]", i + 1,
                      p.settings.presets.slot[i].frequency);
    m.startScanEnabled = p.window.scanActive != 1;
    m.stopScanEnabled = p.window.scanActive == 1;
}

int buildDisplayDrawList(Program& p, DisplayDrawStep* s) {
    int n = 0;
    const char* t = p.window.currentFrequency;
    s[n++] = {11, 0, 13, 7};
    s[n++] = {t[0] == '1' ? 1 : 10, 0, 19, 12};
    s[n++] = {t[1] - '0', 0, 36, 12};
    s[n++] = {t[2] - '0', 0, 50, 12};
    s[n++] = {t[4] - '0', 0, 70, 12};
    s[n++] = {-1, p.settings.powerStatus ? 153 : 154, 125, 12};
    if (p.window.currentPresetIndex < 10) s[n++] = {-1, 201 + p.window.currentPresetIndex, 124, 25};
    return n;
}

const int kTooltipControlIds[kTooltipCount] = {1000, 1001, 1002, 1003, 1004, 1005, 1006,
    1007, 1008, 1009, 1011, 1010, 1025, 1024, 1030, 1027, 1026, 1033, 2, 1049, 1031, 1054,
    1064, 1152, 1124};
bool tooltipTextFor(const Program&, int id, char* out, std::size_t cap) {
    std::snprintf(out, cap, "control %d", id);
    return true;
}

int matchPresetIndex(const RadioSettings&, const char*) { return 2; }
void formatWindowTitle(const Program&, char* out, std::size_t cap) { std::snprintf(out, cap, "Tunrix"); }
void initialiseMainWindow(Program& p) {
    std::strcpy(p.window.currentFrequency, "101.5");
    std::strcpy(p.settings.presets.slot[0].frequency, "088.0");
    p.window.currentPresetIndex = 2;
    p.settings.powerStatus = 1;
    p.platform->showMainWindow();
}
bool onMainCommand(Program& p, unsigned c) {
    if (c == 1 || c == 2) exitProgram(p);
    char line[32];
    std::snprintf(line, sizeof line, "command %u\n", c);
    p.port->writeByte(0x20F, (uint8_t)c);
    return c >= 1000;
}
void exitProgram(Program& p) {
    p.platform->destroyMainWindow();
    p.platform->releaseDisplayImages();
    p.platform->endProcess(0);
}

void runOptionsDialog(HINSTANCE, HWND, Program&) {}
void runJumpDialog(HINSTANCE, HWND, Program&) {}
void runAboutDialog(HINSTANCE, HWND, Program&) {}
void runSchedulerDialog(HINSTANCE, HWND, Program&) {}
void runSleepTimerDialog(HINSTANCE, HWND, Program&) {}

VirtualCard::VirtualCard(const char*, void (*sleep)(uint32_t)) : sleep_(sleep) {}
void VirtualCard::writeWord(uint16_t, uint16_t) {}
void VirtualCard::writeByte(uint16_t port, uint8_t value) {
    FILE* f = std::fopen("card.log", "a");
    if (f) { std::fprintf(f, "byte %x %u\n", port, value); std::fclose(f); }
}
void VirtualCard::sleepMs(uint32_t ms) { sleep_(ms); }
uint8_t VirtualCard::readByte(uint16_t) { return 0; }
void X86PortIo::writeWord(uint16_t, uint16_t) {}
void X86PortIo::writeByte(uint16_t, uint8_t) {}
void X86PortIo::sleepMs(uint32_t ms) { Sleep(ms); }
uint8_t X86PortIo::readByte(uint16_t) { return 0; }

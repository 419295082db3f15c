// TEMPORARY stand-ins for main-window logic that other branches are still
// writing, so the skin builds and paints. Deleted when they are merged.
#include <cstdio>
#include <cstring>
#include <windows.h>
#include "ui/dialogs_win32.h"
#include "ui/main_window.h"
#include "ui/pending_core_win32.h"

void schedulerCommand(Program&) {}
void sleepTimerCommand(Program&) {}
void schedulerPollTick(Program&) {}
void playingTimeEnded(Program&) {}
void sleepTimerEnded(Program&) {}

void runOptionsDialog(HINSTANCE, HWND, Program&) {}
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

// Card and settings stand-ins (core branch).
#include "card/frequency.h"
#include "card/port_protocol.h"
#include "settings/settings_file.h"
void coarseDown(char*, RadioSettings&) {}
void coarseUp(char*, RadioSettings&) {}
void fineDown(char*, RadioSettings&) {}
void fineUp(char*, RadioSettings&) {}
void normalizeFrequencyText(char*, std::size_t) {}
void powerOffCard(PortIo& io, const RadioSettings&) { io.writeByte(0x20F, 0); }
void volumeUp(PortIo& io, const RadioSettings&) { io.writeByte(0x20F, 1); }
void volumeDown(PortIo& io, const RadioSettings&) { io.writeByte(0x20F, 2); }
void tuneToFrequency(PortIo& io, const RadioSettings&, const char*, SystemServices&) { io.writeByte(0x20F, 3); }
bool readSettingsFile(const char*, RadioSettings& s, SystemServices&) {
    std::strcpy(s.lastStation(), "101.5");
    std::strcpy(s.presets.slot[2].frequency, "101.5");
    std::strcpy(s.presets.slot[0].frequency, "088.0");
    s.powerStatus = 1;
    return true;
}
int writeSettingsFile(const char*, const char*, int, const RadioSettings&, SystemServices&) { return 0; }

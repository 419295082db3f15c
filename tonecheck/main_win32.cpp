// tonecheck: checks that this process can reach I/O ports through the giveio
// driver by playing five tones on the PC speaker.
#include <windows.h>

#include <cstdio>

#include "tonecheck/tone_test.h"
#ifdef TUNRIX_VIRTUAL_CARD
#include "card/virtual_card.h"
#else
#include "card/x86_port_io.h"
#endif

namespace {

void sleepFor(uint32_t milliseconds) { Sleep(milliseconds); }

void printOut(const char* text) {
    std::fputs(text, stdout);
    std::fflush(stdout);
}

}  // namespace

int main() {
    HANDLE driver = CreateFileA("\\\\.\\giveio", GENERIC_READ, 0, NULL, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, NULL);
    const bool opened = driver != INVALID_HANDLE_VALUE;
    // Port access stays with the process once the driver has been opened.
    if (opened) CloseHandle(driver);
#ifdef TUNRIX_VIRTUAL_CARD
    VirtualCard io(sleepFor);
#else
    X86PortIo io(sleepFor);
#endif
    return runToneTest(io, opened, printOut);
}

// tonecheck: checks that this process can reach I/O ports through the giveio
// driver by playing five tones on the PC speaker.
#include <windows.h>

#include <cstdio>

#include "card/giveio.h"
#include "tonecheck/tones.h"
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
    const bool opened = openGiveio();
#ifdef TUNRIX_VIRTUAL_CARD
    VirtualCard io(sleepFor);
#else
    X86PortIo io(sleepFor);
#endif
    return runToneTest(io, opened, printOut);
}

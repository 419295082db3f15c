// Chooses the card that tunrix drives: the virtual card (a decoder that logs
// to "card.log" in the working directory) when built with
// TUNRIX_VIRTUAL_CARD=1, else the real x86 port instructions.
#include <windows.h>
#include "ui/skin_win32.h"
#if TUNRIX_VIRTUAL_CARD
#include "card/virtual_card.h"
#else
#include "card/x86_port_io.h"
#endif

namespace {

void sleepWithWindows(uint32_t milliseconds) { Sleep(milliseconds); }

#if TUNRIX_VIRTUAL_CARD
VirtualCard card(sleepWithWindows, "card.log");
#else
X86PortIo card(sleepWithWindows);
#endif

}  // namespace

PortIo& programPort() { return card; }

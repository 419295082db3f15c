// Chooses the card that tunrix drives: the virtual card (a decoder that logs
// to "card.log" in the working directory) when built with
// TUNRIX_VIRTUAL_CARD=1, else the real x86 port instructions.
#include <windows.h>
#include "ui/pending_core_win32.h"
#include "ui/skin_win32.h"

namespace {

#if TUNRIX_VIRTUAL_CARD
void sleepWithWindows(uint32_t milliseconds) { Sleep(milliseconds); }
VirtualCard card("card.log", sleepWithWindows);
#else
X86PortIo card;
#endif

}  // namespace

PortIo& programPort() { return card; }

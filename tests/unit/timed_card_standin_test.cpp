// Temporary weak stand-ins for the card operations, used only until the card
// protocol is merged into this branch; the real definitions replace them.
#include <cstdlib>
#include "card/frequency.h"
#include "card/port_protocol.h"

__attribute__((weak)) float parseFrequency(const char* text, SystemServices& system) {
    const float value = static_cast<float>(std::atof(text));
    if (value < 87.5f || value > 108.0f) {
        system.showMessage("Frequency out of Range!\n", "Error");
        return 0.0f;
    }
    return value;
}

__attribute__((weak)) void powerOffCard(PortIo& io, const RadioSettings& settings) {
    io.writeByte(settings.ioPort, 0xC0);
}

__attribute__((weak)) void tuneToFrequency(PortIo& io, const RadioSettings& settings, const char* text,
                                           SystemServices& system) {
    const float value = parseFrequency(text, system);
    if (value == 0.0f) return;
    io.writeWord(settings.ioPort, static_cast<uint16_t>(value * 10));
    io.sleepMs(200);
}

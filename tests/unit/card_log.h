// The card as the main window's tests watch it: the virtual card decodes every
// write, and each operation it completes goes into the shared log as "card
// tune 4488", "card off" or "card volume up"; an error line as "card ?", so
// that a malformed sequence fails the test.
#pragma once
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>
#include "card/virtual_card.h"

struct CardLogPortIo : PortIo {
    explicit CardLogPortIo(std::vector<std::string>& sharedLog) : log(sharedLog) {
        card.setLineSink(&CardLogPortIo::logLine, this);
    }

    std::vector<std::string>& log;
    VirtualCard card{nullptr, nullptr};
    std::vector<uint16_t> ports;   // the port of every completed operation

    void writeWord(uint16_t port, uint16_t value) override { card.writeWord(port, value); }
    void writeByte(uint16_t port, uint8_t value) override { card.writeByte(port, value); }
    void sleepMs(uint32_t milliseconds) override { card.sleepMs(milliseconds); }
    uint8_t readByte(uint16_t port) override { return card.readByte(port); }

private:
    // "0x20f tune 4488 100.175" becomes "card tune 4488".
    static void logLine(void* self, const char* line) {
        CardLogPortIo& io = *static_cast<CardLogPortIo*>(self);
        char* rest = nullptr;
        io.ports.push_back(static_cast<uint16_t>(std::strtoul(line, &rest, 16)));
        std::string what = rest != nullptr ? rest + 1 : "";
        if (what.compare(0, 5, "tune ") == 0) what = what.substr(0, what.find(' ', 5));
        io.log.push_back(what.compare(0, 6, "error ") == 0 ? "card ?" : "card " + what);
    }
};

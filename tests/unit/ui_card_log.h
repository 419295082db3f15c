// A PortIo for the main window's tests that decodes the card protocol as it is
// written and logs each complete operation ("card tune 4488", "card off",
// "card volume up"); anything malformed is logged as "card ?" so it fails.
#pragma once
#include <cstdint>
#include <string>
#include <vector>
#include "card/port_io.h"

struct CardLogPortIo : PortIo {
    explicit CardLogPortIo(std::vector<std::string>& sharedLog) : log(sharedLog) {}

    std::vector<std::string>& log;
    std::vector<uint16_t> ports;   // every port written, in order

    void writeWord(uint16_t port, uint16_t value) override {
        ports.push_back(port);
        words.push_back(value);
    }
    void writeByte(uint16_t port, uint8_t value) override {
        ports.push_back(port);
        switch (value) {
        case 0x00: frameEnded(); return;
        case 0x88: begin(kUp); return;
        case 0x48: begin(kDown); return;
        case 0xC0:
            finish(state == kFrame && !slept && frame == 0x0F6C && tail == 0xA0, "card off");
            return;
        case 0xC8:
            if (state == kFrame) {
                finish(slept && tail == 0xA0, "card tune " + std::to_string(frame));
            } else {
                finish(slept && (state == kUp || state == kDown),
                       state == kUp ? "card volume up" : "card volume down");
            }
            return;
        default: finish(false, ""); return;
        }
    }
    void sleepMs(uint32_t milliseconds) override { slept = milliseconds == 200; }
    uint8_t readByte(uint16_t) override { return 0xFF; }

private:
    enum State { kIdle, kFrame, kUp, kDown };
    State state = kIdle;
    bool slept = false;
    unsigned frame = 0, tail = 0;
    std::vector<uint16_t> words;

    void begin(State s) {
        if (!words.empty() || state != kIdle) log.push_back("card ?");
        words.clear();
        state = s;
        slept = false;
    }
    // 24 bits, each four writes: data level twice with the clock low, twice high.
    void frameEnded() {
        bool ok = words.size() == 96 && state == kIdle;
        unsigned bits = 0;
        for (std::size_t i = 0; ok && i < 24; ++i) {
            const uint16_t* w = &words[i * 4];
            ok = (w[0] == 1 || w[0] == 5) && w[1] == w[0] && w[2] == (w[0] | 2) && w[3] == w[2];
            if (w[0] == 5) bits |= 1u << i;
        }
        words.clear();
        if (!ok) { log.push_back("card ?"); state = kIdle; return; }
        frame = bits & 0xFFFF;
        tail = bits >> 16;
        state = kFrame;
        slept = false;
    }
    void finish(bool ok, const std::string& entry) {
        log.push_back(ok && words.empty() ? entry : "card ?");
        state = kIdle;
        slept = false;
        words.clear();
    }
};

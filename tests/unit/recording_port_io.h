// Test PortIo that records every port access and wait as a transcript.
#pragma once
#include <cstdint>
#include <vector>

#include "card/port_io.h"

struct PortEvent {
    enum Kind { word, byte, read, sleep } kind;
    uint16_t port;     // 0 for sleep
    uint32_t value;    // value written, value returned by a read, or milliseconds
    bool operator==(const PortEvent& o) const {
        return kind == o.kind && port == o.port && value == o.value;
    }
};

struct RecordingPortIo : PortIo {
    std::vector<PortEvent> events;
    uint8_t readValue = 0;

    void writeWord(uint16_t port, uint16_t value) override {
        events.push_back({PortEvent::word, port, value});
    }
    void writeByte(uint16_t port, uint8_t value) override {
        events.push_back({PortEvent::byte, port, value});
    }
    void sleepMs(uint32_t milliseconds) override {
        events.push_back({PortEvent::sleep, 0, milliseconds});
    }
    uint8_t readByte(uint16_t port) override {
        events.push_back({PortEvent::read, port, readValue});
        return readValue;
    }
};

inline PortEvent wordWrite(uint16_t port, uint16_t value) { return {PortEvent::word, port, value}; }
inline PortEvent byteWrite(uint16_t port, uint8_t value) { return {PortEvent::byte, port, value}; }
inline PortEvent portRead(uint16_t port, uint8_t value) { return {PortEvent::read, port, value}; }
inline PortEvent wait(uint32_t ms) { return {PortEvent::sleep, 0, ms}; }

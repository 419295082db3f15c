// Recording fakes for the timed features' tests: a main-window platform that
// logs every request as a line of text, and a port that logs every write.
#pragma once
#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <vector>
#include "ui/program.h"

struct TimedFakePort : PortIo {
    std::vector<std::string> log;
    void writeWord(uint16_t port, uint16_t value) override {
        log.push_back("word " + std::to_string(port) + " " + std::to_string(value));
    }
    void writeByte(uint16_t port, uint8_t value) override {
        log.push_back("byte " + std::to_string(port) + " " + std::to_string(value));
    }
    void sleepMs(uint32_t ms) override { log.push_back("sleep " + std::to_string(ms)); }
    uint8_t readByte(uint16_t) override { return 0; }
};

struct TimedFakePlatform : MainWindowPlatform {
    std::vector<std::string> log;
    std::function<void(DialogId)> dialog;   // what the "user" does in a dialog
    LocalTime now{};

    void showMessage(const char* text, const char* title) override {
        log.push_back(std::string("message ") + text + " | " + title);
    }
    void printText(const char* text) override { log.push_back(std::string("print ") + text); }
    void endProcess(int code) override { log.push_back("end " + std::to_string(code)); }
    bool replaceFile(const char*, const char*) override { return true; }
    unsigned long processId() override { return 4242; }
    void redrawDisplay() override { log.push_back("redraw"); }
    void setWindowTitle(const char* title) override { log.push_back(std::string("title ") + title); }
    void setButtonCaption(int id, const char* caption) override {
        log.push_back("caption " + std::to_string(id) + " " + caption);
    }
    void focusControl(int id) override { log.push_back("focus " + std::to_string(id)); }
    void startTimer(int id, uint32_t ms) override {
        log.push_back("start " + std::to_string(id) + " " + std::to_string(ms));
    }
    void stopTimer(int id) override { log.push_back("stop " + std::to_string(id)); }
    void playSoundFile(const char* file) override { log.push_back(std::string("sound ") + file); }
    void showMainWindow() override { log.push_back("show"); }
    void hideMainWindow() override { log.push_back("hide"); }
    void bringMainWindowToForeground() override { log.push_back("foreground"); }
    void destroyMainWindow() override { log.push_back("destroy"); }
    void releaseDisplayImages() override { log.push_back("release"); }
    void shellNotifyIcon(TrayAction action, bool on, const char* tip) override {
        log.push_back("tray " + std::to_string(action) + (on ? " on " : " off ") + tip);
    }
    void runDialog(DialogId id) override {
        log.push_back("dialog " + std::to_string(id));
        if (dialog) dialog(id);
    }
    LocalTime localTime() override { return now; }

    // Log lines that start with `prefix`, in order.
    std::vector<std::string> linesStartingWith(const std::string& prefix) const {
        std::vector<std::string> out;
        for (const auto& line : log)
            if (line.compare(0, prefix.size(), prefix) == 0) out.push_back(line);
        return out;
    }
};

// A zeroed Program wired to the fakes, with a card at 0x30F and beeps on.
struct TimedFixtureProgram {
    TimedFakePort port;
    TimedFakePlatform platform;
    Program program;
    TimedFixtureProgram() {
        std::memset(&program, 0, sizeof program);
        program.port = &port;
        program.platform = &platform;
        program.settings.ioPort = 0x30F;
        program.settings.buttonBeeps = 1;
        program.window.currentPresetIndex = 3;
    }
};

inline LocalTime timeAt(int dayOfWeek, int hour, int minute, int second = 0, int day = 10) {
    LocalTime t{};
    t.year = 2024;
    t.month = 6;
    t.day = static_cast<int16_t>(day);
    t.dayOfWeek = static_cast<int16_t>(dayOfWeek);
    t.hour = static_cast<int16_t>(hour);
    t.minute = static_cast<int16_t>(minute);
    t.second = static_cast<int16_t>(second);
    return t;
}

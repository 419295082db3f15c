// A MainWindowPlatform for unit tests that records every request as one line
// of text in a shared log, so tests can compare whole sequences.
#pragma once
#include <cstdio>
#include <functional>
#include <string>
#include <vector>
#include "ui/program.h"

struct FakeMainWindowPlatform : MainWindowPlatform {
    explicit FakeMainWindowPlatform(std::vector<std::string>& sharedLog) : log(sharedLog) {}

    std::vector<std::string>& log;
    // What a modal dialog does to the Program record while it is open.
    std::function<void(DialogId)> onDialog;
    // What arrives while a message box is open: its own message loop goes on
    // delivering the main window's timer ticks and commands.
    std::function<void()> onMessage;
    LocalTime now{};

    void showMessage(const char* text, const char* title) override {
        log.push_back(std::string("message ") + text + "|" + title);
        if (onMessage) onMessage();
    }
    void printText(const char* text) override { log.push_back(std::string("print ") + text); }
    void endProcess(int exitCode) override { log.push_back("end " + std::to_string(exitCode)); }
    bool replaceFile(const char* from, const char* to) override {
        return std::rename(from, to) == 0;
    }
    unsigned long processId() override { return 4242; }
    void redrawDisplay() override { log.push_back("redraw"); }
    void setWindowTitle(const char* title) override { log.push_back(std::string("title ") + title); }
    void setButtonCaption(int controlId, const char* caption) override {
        log.push_back("caption " + std::to_string(controlId) + " " + caption);
    }
    void focusControl(int controlId) override { log.push_back("focus " + std::to_string(controlId)); }
    void startTimer(int timerId, uint32_t periodMs) override {
        log.push_back("start " + std::to_string(timerId) + " " + std::to_string(periodMs));
    }
    void stopTimer(int timerId) override { log.push_back("stop " + std::to_string(timerId)); }
    void playSoundFile(const char* fileName) override { log.push_back(std::string("sound ") + fileName); }
    void showMainWindow() override { log.push_back("show"); }
    void hideMainWindow() override { log.push_back("hide"); }
    void bringMainWindowToForeground() override { log.push_back("foreground"); }
    void destroyMainWindow() override { log.push_back("destroy"); }
    void releaseDisplayImages() override { log.push_back("release"); }
    void shellNotifyIcon(TrayAction action, bool iconOn, const char* tip) override {
        static const char* const names[] = {"add", "update", "remove"};
        log.push_back(std::string("tray ") + names[action] + (iconOn ? " on " : " off ") + tip);
    }
    void runDialog(DialogId dialog) override {
        log.push_back("dialog " + std::to_string(static_cast<int>(dialog)));
        if (onDialog) onDialog(dialog);
    }
    LocalTime localTime() override { return now; }
    void prepareTrayIcons() override { log.push_back("trayicons"); }
    void createTooltips() override { log.push_back("tooltips"); }
    void showTrayMenu() override { log.push_back("traymenu"); }
};

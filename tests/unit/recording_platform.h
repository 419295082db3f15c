// The one MainWindowPlatform of the unit tests: it records every request as a
// line of text, in its own log or in one shared with the card, so that tests
// compare whole sequences; hooks play the user inside dialogs and messages.
#pragma once
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>
#include "radio/program.h"

struct RecordingPlatform : MainWindowPlatform {
    RecordingPlatform() : log(ownLog) {}
    explicit RecordingPlatform(std::vector<std::string>& sharedLog) : log(sharedLog) {}

    std::vector<std::string> ownLog;
    std::vector<std::string>& log;
    // What a modal dialog does to the Program record while it is open.
    std::function<void(DialogId)> onDialog;
    // What the user types into the Jump dialog before OK; null means Cancel.
    // Each OK is tried with acceptJumpText by the test's hook.
    std::function<bool(char (&accepted)[kJumpTextSize])> onJumpDialog;
    // What arrives while a message box is open: its own message loop goes on
    // delivering the main window's timer ticks and commands.
    std::function<void()> onMessage;
    LocalTime now{};
    TrayMenuModel lastTrayMenu{};

    void showMessage(const char* text, const char* title) override {
        log.push_back(std::string("message ") + text + "|" + title);
        if (onMessage) onMessage();
    }
    void printText(const char* text) override { log.push_back(std::string("print ") + text); }
    void endProcess(int exitCode) override { log.push_back("end " + std::to_string(exitCode)); }
    bool replaceFile(const char* from, const char* to) override { return std::rename(from, to) == 0; }
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
        log.push_back(std::string("tray ") + names[static_cast<int>(action)] + (iconOn ? " on " : " off ") + tip);
    }
    void runDialog(DialogId dialog) override {
        log.push_back("dialog " + std::to_string(static_cast<int>(dialog)));
        if (onDialog) onDialog(dialog);
    }
    bool runJumpDialog(char (&accepted)[kJumpTextSize]) override {
        log.push_back("dialog " + std::to_string(IDD_JUMP));
        return onJumpDialog && onJumpDialog(accepted);
    }
    LocalTime localTime() override { return now; }
    void prepareTrayIcons() override { log.push_back("trayicons"); }
    void createTooltips() override { log.push_back("tooltips"); }
    void showTrayMenu(const TrayMenuModel& menu) override {
        log.push_back("traymenu");
        lastTrayMenu = menu;
    }

    // Log lines that start with `prefix`, in order.
    std::vector<std::string> linesStartingWith(const std::string& prefix) const {
        std::vector<std::string> out;
        for (const auto& line : log)
            if (line.compare(0, prefix.size(), prefix) == 0) out.push_back(line);
        return out;
    }
};

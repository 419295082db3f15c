// Test SystemServices: records message boxes, console lines and end requests;
// replaces files for real unless told to fail.
#pragma once
#include <cerrno>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "common/system_services.h"

struct FakeSystemServices : SystemServices {
    struct Message {
        std::string text, title;
    };
    std::vector<Message> messages;
    std::string printed;
    std::vector<int> exitCodes;
    bool failReplace = false;
    int replaceCalls = 0;
    unsigned long pid = 4242;
    // Runs just before the replace, e.g. another copy's save.
    std::function<void()> beforeReplace;

    void showMessage(const char* text, const char* title) override { messages.push_back({text, title}); }
    void printText(const char* text) override { printed += text; }
    void endProcess(int exitCode) override { exitCodes.push_back(exitCode); }
    bool replaceFile(const char* from, const char* to) override {
        ++replaceCalls;
        if (beforeReplace) beforeReplace();
        if (failReplace) {
            errno = EACCES;
            return false;
        }
        return std::rename(from, to) == 0;
    }
    unsigned long processId() override { return pid; }
};

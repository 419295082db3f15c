// The test framework of the driver; see test.h.
#include "test.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <vector>

namespace e2e {
namespace {

struct TestCase {
    const char* group;
    const char* name;
    TestBody body;
};

std::vector<TestCase>& registry() {
    static std::vector<TestCase> tests;
    return tests;
}

std::vector<std::string>& arguments() {
    static std::vector<std::string> args;
    return args;
}

std::vector<std::function<void()>>& cleanups() {
    static std::vector<std::function<void()>> list;
    return list;
}

int failuresInTest = 0;

}  // namespace

Registrar::Registrar(const char* group, const char* name, TestBody body) {
    registry().push_back(TestCase{group, name, body});
}

bool check(bool ok, const std::string& what, Where where) {
    if (!ok) {
        ++failuresInTest;
        std::printf("    %s:%d: FAILED: %s\n", where.file, where.line, what.c_str());
        std::fflush(stdout);
    }
    return ok;
}

std::string visible(const std::string& text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        char buf[8];
        if (c == '\r') out += "\\r";
        else if (c == '\n') out += "\\n";
        else if (c == '\t') out += "\\t";
        else if (c == '"') out += "\\\"";
        else if (c < 0x20 || c >= 0x7f) { std::snprintf(buf, sizeof buf, "\\x%02x", c); out += buf; }
        else out += static_cast<char>(c);
    }
    return out + "\"";
}

bool checkEqual(const std::string& actual, const std::string& expected, const char* expr, Where where) {
    if (actual == expected) return true;
    return check(false, std::string(expr) + " is " + visible(actual) + ", expected " + visible(expected), where);
}

bool checkEqual(long long actual, long long expected, const char* expr, Where where) {
    if (actual == expected) return true;
    char buf[160];
    std::snprintf(buf, sizeof buf, " is %lld (0x%llx), expected %lld (0x%llx)", actual,
                  static_cast<unsigned long long>(actual), expected, static_cast<unsigned long long>(expected));
    return check(false, std::string(expr) + buf, where);
}

void note(const std::string& text) {
    std::printf("    note: %s\n", text.c_str());
    std::fflush(stdout);
}

bool waitUntil(const std::function<bool()>& done, int timeoutMs, int stepMs) {
    DWORD start = GetTickCount();
    for (;;) {
        if (done()) return true;
        if (static_cast<int>(GetTickCount() - start) >= timeoutMs) return done();
        Sleep(stepMs);
    }
}

void setArguments(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) arguments().push_back(argv[i]);
}

std::string option(const char* name) {
    std::string prefix = std::string("--") + name + "=";
    for (const std::string& arg : arguments()) {
        if (arg.compare(0, prefix.size(), prefix) == 0) return arg.substr(prefix.size());
    }
    return "";
}

void addCleanup(std::function<void()> step) { cleanups().push_back(step); }

void runCleanups() {
    // Last-first, so a process is ended before its folder goes.
    for (size_t i = cleanups().size(); i-- > 0;) cleanups()[i]();
    cleanups().clear();
}

int runTests(int argc, char** argv) {
    setArguments(argc, argv);
    std::string group;
    for (int i = 1; i < argc; ++i) {
        if (argv[i][0] != '-') group = argv[i];
    }
    std::string filter = option("filter");
    if (group.empty() || group == "list") {
        std::printf("usage: e2e GROUP [--filter=TEXT] [--tunrix=EXE] [--tonecheck=EXE] [--standin=EXE]\n");
        for (const TestCase& t : registry()) std::printf("  %s %s\n", t.group, t.name);
        return group.empty() ? 2 : 0;
    }
    int passed = 0, failed = 0;
    for (const TestCase& t : registry()) {
        if (group != "all" && group != t.group) continue;
        if (!filter.empty() && std::strstr(t.name, filter.c_str()) == nullptr) continue;
        std::printf("[ RUN  ] %s.%s\n", t.group, t.name);
        std::fflush(stdout);
        failuresInTest = 0;
        t.body();
        runCleanups();
        if (failuresInTest == 0) {
            ++passed;
            std::printf("[  OK  ] %s.%s\n", t.group, t.name);
        } else {
            ++failed;
            std::printf("[ FAIL ] %s.%s\n", t.group, t.name);
        }
        std::fflush(stdout);
    }
    std::printf("%d passed, %d failed\n", passed, failed);
    std::fflush(stdout);
    // A group that ran nothing without a filter has lost its tests: a failure too.
    return failed == 0 && (passed > 0 || !filter.empty()) ? 0 : 1;
}

}  // namespace e2e

// The driver's small test framework: test cases registered by macro in named
// groups, checks that report the caller's file and line, the driver's
// options, polling, and the steps that undo what a test set up.
#pragma once
#include <functional>
#include <string>

namespace e2e {

// Where a check was written; helpers that check take one so a failure points
// at the test line that asked, not at the helper.
struct Where {
    const char* file;
    int line;
};

typedef void (*TestBody)();

struct Registrar {
    Registrar(const char* group, const char* name, TestBody body);
};

// Records a failure of the running test (and prints it) when ok is false.
bool check(bool ok, const std::string& what, Where where);
bool checkEqual(const std::string& actual, const std::string& expected, const char* expr, Where where);
bool checkEqual(long long actual, long long expected, const char* expr, Where where);

// Prints a note under the running test (for figures worth seeing in the log).
void note(const std::string& text);

// Shows a text with its control characters made visible.
std::string visible(const std::string& text);

// Polls until done() is true or timeoutMs has passed; returns done().
bool waitUntil(const std::function<bool()>& done, int timeoutMs, int stepMs = 20);

// Keeps the command line; value of a "--name=value" argument, "" when absent.
void setArguments(int argc, char** argv);
std::string option(const char* name);

// Steps that undo what a test set up (processes, folders); they run after
// each test, last first, whether it passed or not.
void addCleanup(std::function<void()> step);
void runCleanups();

// The driver's main: runs the tests of the group named on the command line
// (all, or list), prints each result and the totals.
int runTests(int argc, char** argv);

}  // namespace e2e

#define E2E_HERE (e2e::Where{__FILE__, __LINE__})

#define E2E_CONCAT2(a, b) a##b
#define E2E_CONCAT(a, b) E2E_CONCAT2(a, b)

// TEST_CASE(group, name) { ... } defines and registers one test case.
#define TEST_CASE(group, name)                                                  \
    static void E2E_CONCAT(testBody_, name)();                                  \
    static e2e::Registrar E2E_CONCAT(testRegistrar_, name)(group, #name,        \
                                                         E2E_CONCAT(testBody_, name)); \
    static void E2E_CONCAT(testBody_, name)()

#define CHECK(cond) e2e::check((cond), #cond, E2E_HERE)
#define CHECK_EQ(actual, expected) e2e::checkEqual((actual), (expected), #actual, E2E_HERE)

// A very small test framework for the end-to-end driver: test cases registered
// by macro in named groups, checks that report the caller's file and line.
#pragma once
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

// Value of a "--name=value" argument of the driver, or "" when absent.
std::string option(const char* name);

// Shows a text with its control characters made visible.
std::string visible(const std::string& text);

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

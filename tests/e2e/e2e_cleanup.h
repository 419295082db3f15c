// Steps that undo what a test set up (processes, folders); the runner calls
// them after each test, whether it passed or not.
#pragma once
#include <functional>

namespace e2e {
void addCleanup(std::function<void()> step);
void runCleanups();
// Keeps the command line for option(); the runner's main calls it.
void setArguments(int argc, char** argv);
}

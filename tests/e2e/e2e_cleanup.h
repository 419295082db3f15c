// Steps that undo what a test set up (processes, folders); the runner calls
// them after each test, whether it passed or not.
#pragma once
#include <functional>

namespace e2e {
void addCleanup(std::function<void()> step);
}

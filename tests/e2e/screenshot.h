// Screenshots for people to look at, under a name of the test's choosing:
// with --shots=DIR the screen is saved there (run-e2e.sh makes PNG files).
#pragma once
#include <string>

namespace e2e {

// Saves the screen as DIR\name.bmp; does nothing without --shots. A picture
// is no check, so nothing here fails a test.
void takeScreenshot(const std::string& name);

}  // namespace e2e

// Screenshots of the X display the programs run on, for people to look at:
// the whole screen is saved as PNG in the folder given by --shots=DIR.
#pragma once
#include <string>

namespace e2e {

// Saves the screen as DIR/name.png (xwd of the root window through convert,
// run as a Unix command from inside Wine). Does nothing without --shots;
// a failure is only noted, since a picture is no check.
void takeScreenshot(const std::string& name);

}  // namespace e2e

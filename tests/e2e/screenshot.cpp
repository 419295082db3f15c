// The screenshot of the timed tests through the everyday tests' screen
// capture, so the suite has one way of taking pictures (kept in its own file:
// that header's check macros share names with the timed tests' own).
#include "screenshot.h"

#include "everyday_helpers.h"

namespace e2e {

void takeScreenshot(const std::string& name) { everyday::screenshot(name.c_str()); }

}  // namespace e2e

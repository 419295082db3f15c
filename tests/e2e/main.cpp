// The end-to-end driver program: runs the group of tests named on its
// command line (see test.h).
#include "driver.h"

int main(int argc, char** argv) { return e2e::runTests(argc, argv); }

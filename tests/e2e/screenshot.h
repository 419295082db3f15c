// Pictures of the screen: captured pixels for comparing what two windows
// show, BMP files of them, and screenshots for people to look at under a name
// of the test's choosing (with --shots=DIR; run-e2e.sh makes PNG files).
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

// Pixels of a screen rectangle as 0x00RRGGBB values, row by row.
std::vector<DWORD> captureScreen(const RECT& r);
// A 24-bit BMP file of w x h pixels (0x00RRGGBB, top row first).
void saveBmp(const std::string& path, int w, int h, const std::vector<DWORD>& pixels);

// Saves the screen as DIR\name.bmp; does nothing without --shots. A picture
// is no check, so nothing here fails a test.
void takeScreenshot(const std::string& name);

}  // namespace e2e

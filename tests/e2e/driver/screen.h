// The screen: the pointer moved and clicked as a user would, pixels of
// windows and of the screen, a window compared with a bitmap resource or with
// another window, pictures saved as BMP files, and screenshots for people to
// look at (with --shots=DIR; run-e2e.sh makes PNG files of them).
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "test.h"

namespace e2e {

// ---- The pointer ----------------------------------------------------------

// Moves the pointer as a user would (through the window system, so the
// windows under it get their mouse-move messages).
void movePointer(int x, int y);
// Moves the pointer to a corner where no window of the tests lies.
void parkPointer();
// A real click of the left or right button at a screen point.
void clickAt(POINT at, bool right);
POINT screenPointOf(HWND window, int clientX, int clientY);
// The middle of a window (or control) on the screen.
POINT centreOf(HWND window);

// ---- Pixels -----------------------------------------------------------------

// w x h pixels of a device context from (x, y) as 0x00RRGGBB values, row by row.
std::vector<DWORD> grabPixels(HDC source, int x, int y, int w, int h);
// Pixels of a screen rectangle.
std::vector<DWORD> captureScreen(const RECT& r);
// A pixel of the client area (the window must be shown and not covered).
COLORREF clientPixel(HWND window, int x, int y);
bool isGreen(COLORREF c);
bool isRed(COLORREF c);

// ---- Bitmaps ------------------------------------------------------------------

// A module whose bitmap resources a window is compared with.
HMODULE loadResourceModule(const std::string& exe);
// True when the client area at (x, y) shows bitmap bitmapId of the module
// pixel for pixel; otherwise why says where it differs.
bool clientShowsBitmap(HWND window, int x, int y, HMODULE module, int bitmapId, std::string* why);
// Checks (waiting up to two seconds for the paint) that the client area shows
// the bitmap at (x, y); a failure names the first differing pixel.
bool checkShowsBitmap(HWND window, int x, int y, HMODULE module, int bitmapId, Where where);

// ---- Pictures -----------------------------------------------------------------

// A 24-bit BMP file of w x h pixels (0x00RRGGBB, top row first).
void saveBmp(const std::string& path, int w, int h, const std::vector<DWORD>& pixels);
// Saves the screen as DIR\name.bmp; does nothing without --shots. A picture
// is no check, so nothing here fails a test.
void takeScreenshot(const std::string& name);

}  // namespace e2e

#define CHECK_SHOWS_BITMAP(window, x, y, module, id) \
    e2e::checkShowsBitmap((window), (x), (y), (module), (id), E2E_HERE)

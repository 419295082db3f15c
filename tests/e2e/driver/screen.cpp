// The screen, the pointer and pictures; see screen.h.
#include "screen.h"

#include <cstdio>
#include <cstring>

#include "processes.h"

namespace e2e {

// ---- The pointer ----------------------------------------------------------

void movePointer(int x, int y) {
    SetCursorPos(x, y);
    // Let the window system deliver the move before anything else happens.
    Sleep(60);
}

void parkPointer() { movePointer(1015, 760); }

void clickAt(POINT at, bool right) {
    movePointer(at.x, at.y);
    INPUT in[2];
    std::memset(in, 0, sizeof in);
    in[0].type = in[1].type = INPUT_MOUSE;
    in[0].mi.dwFlags = right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
    in[1].mi.dwFlags = right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
    SendInput(2, in, sizeof in[0]);
}

POINT screenPointOf(HWND window, int clientX, int clientY) {
    POINT p = {clientX, clientY};
    ClientToScreen(window, &p);
    return p;
}

POINT centreOf(HWND window) {
    RECT r = {0, 0, 0, 0};
    GetWindowRect(window, &r);
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// ---- Pixels -----------------------------------------------------------------

std::vector<DWORD> grabPixels(HDC source, int x, int y, int w, int h) {
    std::vector<DWORD> pixels(static_cast<size_t>(w) * h, 0);
    BITMAPINFO info;
    std::memset(&info, 0, sizeof info);
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!dib) return pixels;
    HDC memory = CreateCompatibleDC(source);
    HGDIOBJ old = SelectObject(memory, dib);
    BitBlt(memory, 0, 0, w, h, source, x, y, SRCCOPY);
    GdiFlush();
    std::memcpy(pixels.data(), bits, pixels.size() * 4);
    SelectObject(memory, old);
    DeleteDC(memory);
    DeleteObject(dib);
    for (DWORD& p : pixels) p &= 0x00FFFFFF;
    return pixels;
}

std::vector<DWORD> captureScreen(const RECT& r) {
    const int w = r.right - r.left, h = r.bottom - r.top;
    if (w <= 0 || h <= 0) return std::vector<DWORD>();
    HDC screen = GetDC(nullptr);
    std::vector<DWORD> pixels = grabPixels(screen, r.left, r.top, w, h);
    ReleaseDC(nullptr, screen);
    return pixels;
}

COLORREF clientPixel(HWND window, int x, int y) {
    HDC dc = GetDC(window);
    COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return c;
}

bool isGreen(COLORREF c) {
    return c != CLR_INVALID && GetGValue(c) >= 96 && GetGValue(c) > 2 * GetRValue(c) &&
           GetGValue(c) > 2 * GetBValue(c);
}

bool isRed(COLORREF c) {
    return c != CLR_INVALID && GetRValue(c) >= 96 && GetRValue(c) > 2 * GetGValue(c) &&
           GetRValue(c) > 2 * GetBValue(c);
}

// ---- Bitmaps ------------------------------------------------------------------

HMODULE loadResourceModule(const std::string& exe) {
    HMODULE module = LoadLibraryExA(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module) module = LoadLibraryExA(exe.c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES);
    return module;
}

bool clientShowsBitmap(HWND window, int x, int y, HMODULE module, int bitmapId, std::string* why) {
    HBITMAP bitmap = module ? LoadBitmapA(module, MAKEINTRESOURCEA(bitmapId)) : nullptr;
    if (!bitmap) {
        if (why) *why = "bitmap " + std::to_string(bitmapId) + " not found in the program";
        return false;
    }
    BITMAP info;
    GetObjectA(bitmap, sizeof info, &info);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(memory, bitmap);
    std::vector<DWORD> expected = grabPixels(memory, 0, 0, info.bmWidth, info.bmHeight);
    SelectObject(memory, old);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    DeleteObject(bitmap);

    HDC dc = GetDC(window);
    std::vector<DWORD> actual = grabPixels(dc, x, y, info.bmWidth, info.bmHeight);
    ReleaseDC(window, dc);
    for (int row = 0; row < info.bmHeight; ++row) {
        for (int col = 0; col < info.bmWidth; ++col) {
            size_t i = static_cast<size_t>(row) * info.bmWidth + col;
            if (actual[i] != expected[i]) {
                if (why) {
                    char buf[160];
                    std::snprintf(buf, sizeof buf, "bitmap %d at (%d,%d): pixel (%d,%d) is %06lx, expected %06lx",
                                  bitmapId, x, y, x + col, y + row, actual[i], expected[i]);
                    *why = buf;
                }
                return false;
            }
        }
    }
    return true;
}

bool checkShowsBitmap(HWND window, int x, int y, HMODULE module, int bitmapId, Where where) {
    std::string why;
    bool shown = waitUntil([&]() { return clientShowsBitmap(window, x, y, module, bitmapId, &why); }, 2000, 50);
    return check(shown, why, where);
}

// ---- Pictures -----------------------------------------------------------------

void saveBmp(const std::string& path, int w, int h, const std::vector<DWORD>& pixels) {
    const int rowBytes = (w * 3 + 3) & ~3;
    BITMAPFILEHEADER file;
    BITMAPINFOHEADER info;
    std::memset(&file, 0, sizeof file);
    std::memset(&info, 0, sizeof info);
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(rowBytes) * h;
    info.biSize = sizeof info;
    info.biWidth = w;
    info.biHeight = h;   // bottom-up
    info.biPlanes = 1;
    info.biBitCount = 24;
    std::string bytes(reinterpret_cast<const char*>(&file), sizeof file);
    bytes.append(reinterpret_cast<const char*>(&info), sizeof info);
    std::string row(static_cast<size_t>(rowBytes), '\0');
    for (int y = h - 1; y >= 0; --y) {
        for (int x = 0; x < w; ++x) {
            DWORD p = pixels[static_cast<size_t>(y) * w + x];
            row[x * 3] = static_cast<char>(p & 0xFF);
            row[x * 3 + 1] = static_cast<char>((p >> 8) & 0xFF);
            row[x * 3 + 2] = static_cast<char>((p >> 16) & 0xFF);
        }
        bytes += row;
    }
    writeFileBytes(path, bytes);
}

void takeScreenshot(const std::string& name) {
    const std::string dir = option("shots");
    if (dir.empty()) return;
    CreateDirectoryA(dir.c_str(), nullptr);
    RECT screen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    saveBmp(joinPath(dir, name.c_str()) + ".bmp", screen.right, screen.bottom, captureScreen(screen));
    note("screenshot " + name);
}

}  // namespace e2e

// Screen pictures for the end-to-end tests; see screenshot.h.
#include "screenshot.h"

#include <cstring>

#include "app_driver.h"
#include "e2e_test.h"

namespace e2e {

std::vector<DWORD> captureScreen(const RECT& r) {
    const int w = r.right - r.left, h = r.bottom - r.top;
    if (w <= 0 || h <= 0) return std::vector<DWORD>();
    HDC screen = GetDC(nullptr);
    std::vector<DWORD> pixels = grabPixels(screen, r.left, r.top, w, h);
    ReleaseDC(nullptr, screen);
    return pixels;
}

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

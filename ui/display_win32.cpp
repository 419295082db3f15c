// Paints the LCD-style frequency panel from bitmap resources, following the
// draw list that the core computes, and sets the title after every paint.
#include <windows.h>
#include "radio/window_ops.h"
#include "ui/display.h"
#include "ui/skin_win32.h"

namespace {


// The panel's own area: the background image at (13, 7), 128 x 35. Every
// image of the panel lies inside it.
constexpr int kPanelX = 13;
constexpr int kPanelY = 7;
constexpr int kPanelWidth = 128;
constexpr int kPanelHeight = 35;

HBITMAP displayImages[kDisplayImageCount];

// Copies one image at its own size to (x, y) of `target` through a memory
// context of its own. Returns false when that context could not be deleted.
bool blitImage(HDC target, HBITMAP image, int x, int y) {
    HDC memory = CreateCompatibleDC(target);
    BITMAP info;
    ZeroMemory(&info, sizeof info);
    GetObjectA(image, sizeof info, &info);
    HGDIOBJ previous = SelectObject(memory, image);
    BitBlt(target, x, y, info.bmWidth, info.bmHeight, memory, 0, 0, SRCCOPY);
    // Hand the image back before the context goes, so the image stays deletable.
    if (previous != NULL && previous != HGDI_ERROR) SelectObject(memory, previous);
    return DeleteDC(memory) != 0;
}

}  // namespace

void loadDisplayImages() {
    for (int i = 1; i <= 9; ++i) {
        displayImages[i] = LoadBitmapA(gInstance, MAKEINTRESOURCEA(kDigitBitmapBase + i));
        if (displayImages[i] == NULL) MessageBoxA(NULL, "Bitmap handle is NULL", "ERROR", MB_OK);
    }
    displayImages[kBlankCell] = LoadBitmapA(gInstance, MAKEINTRESOURCEA(kDigitBitmapBase + kBlankCell));
    displayImages[0] = LoadBitmapA(gInstance, MAKEINTRESOURCEA(kDigitBitmapBase));
    displayImages[kBackgroundImage] = LoadBitmapA(gInstance, MAKEINTRESOURCEA(kBackgroundBitmap));
}

void releaseDisplayImages() {
    for (HBITMAP& image : displayImages) {
        if (image != NULL) DeleteObject(image);
        image = NULL;
    }
}

void paintDisplay(HWND window) {
    DisplayPlan plan;
    planDisplayPaint(gProgram, plan);

    PAINTSTRUCT paint;
    HDC windowDc = BeginPaint(window, &paint);
    // The images are composed off screen in their order and the panel is
    // copied to the window once, so a repaint never flickers.
    HDC panel = CreateCompatibleDC(windowDc);
    HBITMAP panelBitmap = CreateCompatibleBitmap(windowDc, kPanelWidth, kPanelHeight);
    HGDIOBJ previousPanelBitmap = SelectObject(panel, panelBitmap);

    for (int i = 0; i < plan.count && i < kMaxDisplayDraws; ++i) {
        const DisplayDraw& step = plan.draw[i];
        const int x = step.x - kPanelX;
        const int y = step.y - kPanelY;
        if (step.source == kCachedImage) {
            // The cached images: background and the four digit cells. A cell
            // value without an image, or an image that failed to load, draws nothing.
            if (step.image < 0 || step.image >= kDisplayImageCount) continue;
            if (displayImages[step.image] == NULL) continue;
            if (!blitImage(panel, displayImages[step.image], x, y)) {
                MessageBoxA(window, "Error deleting hdcMem", "ERROR", MB_OK);
            }
        } else {
            HBITMAP status = LoadBitmapA(gInstance, MAKEINTRESOURCEA(step.image));
            if (status == NULL) continue;
            blitImage(panel, status, x, y);
            DeleteObject(status);
        }
    }

    BitBlt(windowDc, kPanelX, kPanelY, kPanelWidth, kPanelHeight, panel, 0, 0, SRCCOPY);
    SelectObject(panel, previousPanelBitmap);
    DeleteObject(panelBitmap);
    DeleteDC(panel);
    EndPaint(window, &paint);

    refreshWindowTitle(gProgram);
}

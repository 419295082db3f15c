// Popup menus; see menus.h.
#include "menus.h"

#include "dialogs.h"
#include "processes.h"
#include "screen.h"

namespace e2e {

HWND waitForMenu(DWORD processId, int timeoutMs, HWND other) {
    return waitForWindow(processId, ofClass(kMenuClass).besidesWindow(other), timeoutMs);
}

bool waitForNoMenu(DWORD processId, int timeoutMs) {
    return waitForNoWindow(processId, ofClass(kMenuClass), timeoutMs);
}

void postMenuKeys(HWND menu, const std::vector<int>& keys) {
    for (int key : keys) {
        postKey(menu, key);
        // One key at a time, so a submenu is open before the next key comes.
        Sleep(80);
    }
}

bool pickFromMenu(DWORD processId, HWND menu, const std::vector<int>& keys) {
    postMenuKeys(menu, keys);
    return waitForNoMenu(processId, 3000);
}

namespace {

struct ReferenceMenu {
    const std::vector<MenuItem>* items;
    POINT at;
};

HMENU buildMenu(const std::vector<MenuItem>& items, UINT& nextId) {
    HMENU menu = CreatePopupMenu();
    for (const MenuItem& item : items) {
        if (!item.text) {
            AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        } else if (!item.sub.empty()) {
            AppendMenuA(menu, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(buildMenu(item.sub, nextId)),
                        item.text);
        } else {
            AppendMenuA(menu, MF_STRING | (item.grey ? MF_GRAYED : 0), nextId++, item.text);
        }
    }
    return menu;
}

DWORD WINAPI referenceMenuThread(LPVOID param) {
    ReferenceMenu* reference = static_cast<ReferenceMenu*>(param);
    static ATOM atom = 0;
    if (!atom) {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "ReferenceMenuOwner";
        atom = RegisterClassA(&wc);
    }
    HWND owner = CreateWindowExA(0, "ReferenceMenuOwner", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    UINT nextId = 100;
    HMENU menu = buildMenu(*reference->items, nextId);
    // TPM_RETURNCMD: nothing chosen here may reach a window as a command.
    TrackPopupMenu(menu, TPM_RIGHTBUTTON | TPM_RETURNCMD, reference->at.x, reference->at.y, 0, owner, nullptr);
    DestroyMenu(menu);
    DestroyWindow(owner);
    return 0;
}

// Whether two windows look the same on the screen; why says how they differ.
bool samePicture(HWND actual, HWND expected, std::string* why) {
    RECT a, e;
    GetWindowRect(actual, &a);
    GetWindowRect(expected, &e);
    const int w = a.right - a.left, h = a.bottom - a.top;
    if (w != e.right - e.left || h != e.bottom - e.top) {
        char buf[120];
        std::snprintf(buf, sizeof buf, "size %dx%d, expected %ldx%ld", w, h, e.right - e.left, e.bottom - e.top);
        *why = buf;
        return false;
    }
    std::vector<DWORD> pa = captureScreen(a), pe = captureScreen(e);
    for (size_t i = 0; i < pa.size(); ++i) {
        if (pa[i] != pe[i]) {
            char buf[120];
            std::snprintf(buf, sizeof buf, "pixel (%d,%d) is %06lx, expected %06lx", static_cast<int>(i % w),
                          static_cast<int>(i / w), pa[i], pe[i]);
            *why = buf;
            return false;
        }
    }
    return true;
}

void saveWindowPicture(HWND window, const std::string& path) {
    RECT r;
    GetWindowRect(window, &r);
    saveBmp(path, r.right - r.left, r.bottom - r.top, captureScreen(r));
}

}  // namespace

void checkMenuLooksLike(DWORD processId, HWND menu, const std::vector<MenuItem>& items,
                        const std::vector<int>& keys, const char* name, Where where) {
    RECT r;
    GetWindowRect(menu, &r);
    // Beside the program's menu with room for both submenus; nothing of the
    // tests lies there while the main window is hidden.
    ReferenceMenu reference{&items, {r.right + 260, r.top}};
    HANDLE thread = CreateThread(nullptr, 0, referenceMenuThread, &reference, 0, nullptr);
    const DWORD self = GetCurrentProcessId();
    HWND refTop = waitForMenu(self, 5000);
    if (!check(refTop != nullptr, "the reference menu comes up", where)) {
        WaitForSingleObject(thread, 5000);
        CloseHandle(thread);
        return;
    }
    postMenuKeys(refTop, keys);
    postMenuKeys(menu, keys);
    const bool withSub = !keys.empty() && keys.back() == VK_RIGHT;
    HWND refSub = withSub ? waitForMenu(self, 3000, refTop) : nullptr;
    HWND sub = withSub ? waitForMenu(processId, 3000, menu) : nullptr;
    if (withSub) {
        check(refSub != nullptr, "the reference submenu opens", where);
        check(sub != nullptr, std::string(name) + ": the submenu opens", where);
    }
    std::string why;
    bool same = waitUntil([&]() {
        if (!samePicture(menu, refTop, &why)) {
            why = "menu: " + why;
            return false;
        }
        if (sub && refSub && !samePicture(sub, refSub, &why)) {
            why = "submenu: " + why;
            return false;
        }
        return true;
    }, 3000, 100);
    if (!same) {
        // Both pictures beside the work folders, for a look at the difference.
        std::string base = joinPath(option("work"), name);
        saveWindowPicture(menu, base + "-program.bmp");
        saveWindowPicture(refTop, base + "-expected.bmp");
        if (sub && refSub) {
            saveWindowPicture(sub, base + "-program-sub.bmp");
            saveWindowPicture(refSub, base + "-expected-sub.bmp");
        }
        check(false, std::string(name) + " differs from the expected menu (" + why + "); pictures in " + base +
                         "-*.bmp", where);
    }
    // Close the reference: Escape closes one level at a time.
    for (int i = 0; i < 3 && WaitForSingleObject(thread, 0) == WAIT_TIMEOUT; ++i) {
        HWND top = waitForMenu(self, 500);
        if (top) postKey(top, VK_ESCAPE);
        WaitForSingleObject(thread, 500);
    }
    CloseHandle(thread);
}

}  // namespace e2e

// Popup menus of another process: waiting for one, keys that walk it, and
// its picture compared with a reference menu built in the driver.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "test.h"

namespace e2e {

// A visible popup menu window of the process other than `other`.
HWND waitForMenu(DWORD processId, int timeoutMs, HWND other = nullptr);
bool waitForNoMenu(DWORD processId, int timeoutMs);
// Keys posted to a menu window: its tracking loop reads them like typed keys.
void postMenuKeys(HWND menu, const std::vector<int>& keys);
// Posts the keys that pick an item and waits for the menu to close.
bool pickFromMenu(DWORD processId, HWND menu, const std::vector<int>& keys);

// An item of a reference menu: text nullptr is a separator; an item with
// a submenu lists its items in `sub`.
struct MenuItem {
    const char* text;
    bool grey;
    std::vector<MenuItem> sub;
};
// Shows the reference menu in the driver beside the program's, sends it the
// same keys, and checks that it and the program's menu look alike pixel for
// pixel (the top menu and, when one is open, its submenu). Another process's
// menu handle cannot be read under Wine, so the picture is what is compared:
// a different text, a greyed item or a missing separator all change it.
void checkMenuLooksLike(DWORD processId, HWND menu, const std::vector<MenuItem>& items,
                        const std::vector<int>& keys, const char* name, Where where);

}  // namespace e2e

#define CHECK_MENU_LOOKS_LIKE(pid, menu, items, keys, name) \
    e2e::checkMenuLooksLike((pid), (menu), (items), (keys), (name), E2E_HERE)

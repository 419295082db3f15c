// The notification-area icon (add, update, remove) and its popup menu 169,
// filled from the core's menu model each time it is shown.
#include <cstring>
#include <windows.h>
#include <shellapi.h>
#include "resources/resource.h"
#include "ui/skin_win32.h"

namespace {

HICON trayIconOn;
HICON trayIconOff;

}  // namespace

void prepareTrayIcons() {
    trayIconOn = lateLoadIcon16(gInstance, IDI_RADIO_ON);
    trayIconOff = lateLoadIcon16(gInstance, IDI_RADIO_OFF);
}

void shellNotifyIcon(HWND window, TrayAction action, bool iconOn, const char* tip) {
    DWORD message = NIM_MODIFY;
    UINT flags = NIF_ICON | NIF_TIP;
    if (action == TrayAction::add) {
        message = NIM_ADD;
        flags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    } else if (action == TrayAction::remove) {
        message = NIM_DELETE;
        flags = 0;
    }
    NOTIFYICONDATAA data;
    ZeroMemory(&data, sizeof data);
    // The original (NT 4) record, which every shell understands.
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = window;
    data.uID = ID_TRAY_ICON;
    data.uFlags = flags;
    data.uCallbackMessage = WM_TRAY_CALLBACK;
    data.hIcon = iconOn ? trayIconOn : trayIconOff;
    lstrcpynA(data.szTip, tip, 64);
    lateShellNotifyIcon(message, &data);   // the shell's answer changes nothing here
}

void showTrayMenu(HWND window, const TrayMenuModel& model, int x, int y) {
    HMENU loaded = LoadMenuA(gInstance, MAKEINTRESOURCEA(IDM_TRAY));
    if (loaded == NULL) return;
    HMENU popup = GetSubMenu(loaded, 0);
    HMENU presets = popup != NULL ? GetSubMenu(popup, IDM_TRAY_POS_PRESETS) : NULL;
    if (popup == NULL || presets == NULL) {
        DestroyMenu(loaded);
        return;
    }

    EnableMenuItem(popup, IDM_TRAY_POS_START_SCAN,
                   MF_BYPOSITION | (model.startScanEnabled ? MF_ENABLED : MF_GRAYED));
    EnableMenuItem(popup, IDM_TRAY_POS_STOP_SCAN,
                   MF_BYPOSITION | (model.stopScanEnabled ? MF_ENABLED : MF_GRAYED));
    for (int i = 0; i < kPresetCount; ++i) {
        ModifyMenuA(presets, (UINT)i, MF_BYPOSITION | MF_STRING, (UINT_PTR)(IDC_PRESET_1 + i),
                    model.presetText[i]);
    }

    // Without the foreground the menu would not close when the user clicks elsewhere.
    SetForegroundWindow(window);
    TrackPopupMenu(popup, TPM_RIGHTBUTTON, x, y, 0, window, NULL);
    // A message in the queue after the menu lets the shell's next click work
    // (the known quirk of notification-icon menus).
    PostMessageA(NULL, WM_USER, 0, 0);
    DestroyMenu(loaded);
}

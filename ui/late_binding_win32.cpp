// System functions that are looked up on first use instead of imported: the
// tray and the beep are the only users of SHELL32 and WINMM, so those DLLs
// are loaded only when the tray or a beep first needs them, and a function
// that Windows NT 3.51 (which has no notification icons) or NT 4.0 may lack
// cannot stop the program from loading.
#include <windows.h>
#include <mmsystem.h>
#include <shellapi.h>
#include "ui/skin_win32.h"

namespace {

// The function name of dll (loaded on the first call if it is not yet), or
// nullptr when this Windows has no such DLL or function.
template <typename Function>
Function lookUp(const char* dll, const char* name) {
    HMODULE module = GetModuleHandleA(dll);
    if (module == NULL) module = LoadLibraryA(dll);
    if (module == NULL) return nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}


}  // namespace


BOOL lateShellNotifyIcon(DWORD message, NOTIFYICONDATAA* data) {
    typedef BOOL(WINAPI * Function)(DWORD, NOTIFYICONDATAA*);
    static const Function function = lookUp<Function>("shell32.dll", "Shell_NotifyIconA");
    return function != nullptr && function(message, data);
}

HICON lateLoadIcon16(HINSTANCE instance, int iconId) {
    // LoadImageA came with the Windows 95 interface; only the tray needs it.
    typedef HANDLE(WINAPI * Function)(HINSTANCE, LPCSTR, UINT, int, int, UINT);
    static const Function function = lookUp<Function>("user32.dll", "LoadImageA");
    if (function == nullptr) return NULL;
    return (HICON)function(instance, MAKEINTRESOURCEA(iconId), IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR);
}

BOOL latePlaySound(const char* sound, DWORD flags) {
    typedef BOOL(WINAPI * Function)(LPCSTR, HMODULE, DWORD);
    static const Function function = lookUp<Function>("winmm.dll", "PlaySoundA");
    return function != nullptr && function(sound, NULL, flags);
}

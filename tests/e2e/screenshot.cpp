// Screenshots through the display's own tools: Wine starts Unix programs
// named by an absolute path, and they inherit DISPLAY from it.
#include "screenshot.h"

#include <windows.h>

#include <vector>

#include "app_driver.h"
#include "e2e_test.h"

namespace e2e {

void takeScreenshot(const std::string& name) {
    std::string dir = option("shots");
    if (dir.empty()) return;
    std::string path = dir + "/" + name + ".png";
    // The Unix path as Wine's Z: drive shows it; an old picture must not count.
    std::string seenFromWine = "Z:" + path;
    for (char& c : seenFromWine) if (c == '/') c = '\\';
    DeleteFileA(seenFromWine.c_str());
    // Written aside and renamed, so the picture appears only when complete.
    std::string command = "/bin/sh -c \"mkdir -p '" + dir + "' && xwd -root -silent | convert xwd:- '" + path +
                          ".part.png' && mv '" + path + ".part.png' '" + path + "'\"";
    std::vector<char> line(command.begin(), command.end());
    line.push_back('\0');
    STARTUPINFOA si;
    ZeroMemory(&si, sizeof si);
    si.cb = sizeof si;
    PROCESS_INFORMATION pi;
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
        note("screenshot " + name + " not taken (cannot start /bin/sh)");
        return;
    }
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    // Wine gives no waitable handle for a Unix process: wait for the file.
    bool saved = waitUntil([&]() { return GetFileAttributesA(seenFromWine.c_str()) != INVALID_FILE_ATTRIBUTES; },
                           20000, 100);
    note(saved ? "screenshot " + path : "screenshot " + name + " was not saved");
}

}  // namespace e2e

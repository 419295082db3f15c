// Win32 side of the end-to-end helpers; see app_driver.h. Everything here is
// plain Win32, so the same driver runs under Wine and on Windows.
#include "app_driver.h"

#include <shellapi.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "e2e_cleanup.h"
#include "e2e_test.h"

namespace e2e {

std::string withCrLf(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) out += '\r';
        out += text[i];
    }
    return out;
}

static std::string workRoot() {
    std::string root = option("work");
    if (root.empty()) {
        char temp[MAX_PATH];
        GetTempPathA(sizeof temp, temp);
        root = std::string(temp) + "tunrix-e2e";
    }
    CreateDirectoryA(root.c_str(), nullptr);
    return root;
}

std::string makeWorkDir() {
    static int counter = 0;
    for (;;) {
        char name[64];
        std::snprintf(name, sizeof name, "\\run-%lu-%d", GetCurrentProcessId(), ++counter);
        std::string dir = workRoot() + name;
        if (CreateDirectoryA(dir.c_str(), nullptr)) return dir;
        if (GetLastError() != ERROR_ALREADY_EXISTS) return dir;
    }
}

std::string makeWorkDirWithIni(const std::string& iniText) {
    std::string dir = makeWorkDir();
    writeFileBytes(joinPath(dir, "radio.ini"), withCrLf(iniText));
    return dir;
}

std::string joinPath(const std::string& dir, const char* name) { return dir + "\\" + name; }

bool fileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string readFileBytes(const std::string& path) {
    std::string bytes;
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return bytes;
    char buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) bytes.append(buf, n);
    std::fclose(f);
    return bytes;
}

void writeFileBytes(const std::string& path, const std::string& bytes) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return;
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

bool copyFileTo(const std::string& from, const std::string& toDir, const char* name) {
    return CopyFileA(from.c_str(), joinPath(toDir, name).c_str(), FALSE) != 0;
}

bool startProgram(RunningProgram& program, const std::string& exe, const std::string& workDir,
                  const std::string& stdoutPath, bool endAfterTest) {
    STARTUPINFOA si;
    std::memset(&si, 0, sizeof si);
    si.cb = sizeof si;
    HANDLE out = INVALID_HANDLE_VALUE;
    if (!stdoutPath.empty()) {
        SECURITY_ATTRIBUTES sa = {sizeof sa, nullptr, TRUE};
        out = CreateFileA(stdoutPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &sa,
                          CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        si.dwFlags = STARTF_USESTDHANDLES;
        si.hStdOutput = out;
        si.hStdError = out;
        si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    }
    std::string commandLine = "\"" + exe + "\"";
    std::vector<char> cmd(commandLine.begin(), commandLine.end());
    cmd.push_back('\0');
    PROCESS_INFORMATION pi;
    BOOL ok = CreateProcessA(exe.c_str(), cmd.data(), nullptr, nullptr, out != INVALID_HANDLE_VALUE,
                             0, nullptr, workDir.c_str(), &si, &pi);
    if (out != INVALID_HANDLE_VALUE) CloseHandle(out);
    if (!ok) {
        std::printf("    cannot start %s in %s (error %lu)\n", exe.c_str(), workDir.c_str(), GetLastError());
        return false;
    }
    CloseHandle(pi.hThread);
    program.process = pi.hProcess;
    program.processId = pi.dwProcessId;
    program.workDir = workDir;
    HANDLE process = pi.hProcess;
    if (endAfterTest) addCleanup([process]() {
        if (WaitForSingleObject(process, 0) == WAIT_TIMEOUT) {
            TerminateProcess(process, 1);
            WaitForSingleObject(process, 5000);
        }
        CloseHandle(process);
    });
    return true;
}

DWORD waitForExit(RunningProgram& program, int timeoutMs) {
    if (!program.process) return STILL_ACTIVE;
    if (WaitForSingleObject(program.process, timeoutMs) != WAIT_OBJECT_0) return STILL_ACTIVE;
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(program.process, &code);
    return code;
}

void endProgram(RunningProgram& program) {
    if (program.process && WaitForSingleObject(program.process, 0) == WAIT_TIMEOUT) {
        TerminateProcess(program.process, 1);
        WaitForSingleObject(program.process, 5000);
    }
}

bool waitUntil(const std::function<bool()>& done, int timeoutMs, int stepMs) {
    DWORD start = GetTickCount();
    for (;;) {
        if (done()) return true;
        if (static_cast<int>(GetTickCount() - start) >= timeoutMs) return done();
        Sleep(stepMs);
    }
}

namespace {
struct WindowSearch {
    DWORD processId;
    const char* className;
    std::vector<HWND> found;
};

BOOL CALLBACK collectWindow(HWND window, LPARAM param) {
    WindowSearch* search = reinterpret_cast<WindowSearch*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid != search->processId) return TRUE;
    if (search->className && className(window) != search->className) return TRUE;
    search->found.push_back(window);
    return TRUE;
}
}  // namespace

std::vector<HWND> topWindowsOf(DWORD processId, const char* wantedClass) {
    WindowSearch search{processId, wantedClass, {}};
    EnumWindows(collectWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

static HWND findWindow(DWORD processId, const char* wantedClass, bool visibleOnly, int timeoutMs) {
    HWND result = nullptr;
    waitUntil([&]() {
        for (HWND w : topWindowsOf(processId, wantedClass)) {
            if (!visibleOnly || IsWindowVisible(w)) {
                result = w;
                return true;
            }
        }
        return false;
    }, timeoutMs);
    return result;
}

HWND waitForVisibleWindow(DWORD processId, const char* wantedClass, int timeoutMs) {
    return findWindow(processId, wantedClass, true, timeoutMs);
}

HWND waitForWindow(DWORD processId, const char* wantedClass, int timeoutMs) {
    return findWindow(processId, wantedClass, false, timeoutMs);
}

std::string windowText(HWND window) {
    char text[512] = "";
    DWORD_PTR length = 0;
    // WM_GETTEXT with a timeout: a busy program must not hang the driver.
    if (!SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                             SMTO_ABORTIFHUNG, 5000, &length))
        return "<no answer>";
    return std::string(text, length < sizeof text ? length : sizeof text - 1);
}

std::string className(HWND window) {
    char name[128] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string controlText(HWND dialog, int controlId) {
    HWND control = GetDlgItem(dialog, controlId);
    if (!control) return "<no control>";
    return windowText(control);
}

bool clickControl(HWND dialog, int controlId, int timeoutMs) {
    DWORD_PTR result = 0;
    HWND control = GetDlgItem(dialog, controlId);
    return SendMessageTimeoutA(dialog, WM_COMMAND, MAKEWPARAM(controlId, BN_CLICKED),
                               reinterpret_cast<LPARAM>(control), SMTO_NORMAL, timeoutMs, &result) != 0;
}

void postClick(HWND dialog, int controlId) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(controlId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, controlId)));
}

void postKey(HWND window, int virtualKey) {
    LPARAM scan = static_cast<LPARAM>(MapVirtualKeyA(virtualKey, 0)) << 16;
    PostMessageA(window, WM_KEYDOWN, virtualKey, 1 | scan);
    PostMessageA(window, WM_KEYUP, virtualKey, 1 | scan | 0xC0000000);
}

void postCloseBox(HWND window) { PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0); }

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

HMODULE loadResourceModule(const std::string& exe) {
    HMODULE module = LoadLibraryExA(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module) module = LoadLibraryExA(exe.c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES);
    return module;
}

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

namespace {
BOOL CALLBACK collectChild(HWND child, LPARAM param) {
    DialogSeen* seen = reinterpret_cast<DialogSeen*>(param);
    std::string kind = className(child);
    std::string text = windowText(child);
    if (kind == "Static" && !text.empty()) seen->texts.push_back(text);
    if (kind == "Button") seen->buttons.push_back(text);
    return TRUE;
}
}  // namespace

bool waitForDialog(DWORD processId, int timeoutMs, DialogSeen& seen) {
    HWND dialog = waitForVisibleWindow(processId, "#32770", timeoutMs);
    seen = DialogSeen();
    if (!dialog) return false;
    readDialog(dialog, seen);
    return true;
}

void readDialog(HWND dialog, DialogSeen& seen) {
    seen = DialogSeen();
    // A message box fills its texts while it is created; give it a moment.
    Sleep(100);
    seen.window = dialog;
    seen.title = windowText(dialog);
    EnumChildWindows(dialog, collectChild, reinterpret_cast<LPARAM>(&seen));
}

std::vector<std::string> staticTexts(HWND dialog) {
    DialogSeen seen;
    EnumChildWindows(dialog, collectChild, reinterpret_cast<LPARAM>(&seen));
    return seen.texts;
}

void pressOk(HWND dialog) { postClick(dialog, IDOK); }

std::vector<std::string> cardLogLines(const std::string& workDir) {
    std::vector<std::string> lines;
    std::string bytes = readFileBytes(joinPath(workDir, "card.log"));
    std::string line;
    for (char c : bytes) {
        if (c == '\n') {
            lines.push_back(line);
            line.clear();
        } else if (c != '\r') {
            line += c;
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

std::vector<std::string> waitForCardLog(const std::string& workDir, size_t count, int timeoutMs) {
    std::vector<std::string> lines;
    waitUntil([&]() {
        lines = cardLogLines(workDir);
        return lines.size() >= count;
    }, timeoutMs);
    return lines;
}

bool trayIconExists(HWND window, UINT iconId) {
    NOTIFYICONDATAA data;
    std::memset(&data, 0, sizeof data);
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = window;
    data.uID = iconId;
    data.uFlags = 0;  // change nothing: only asks whether the shell knows the icon
    return Shell_NotifyIconA(NIM_MODIFY, &data) != 0;
}

}  // namespace e2e

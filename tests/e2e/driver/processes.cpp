// Processes and files for the driver; see processes.h. Plain Win32, so the
// same driver runs under Wine and on Windows.
#include "processes.h"

#include <cstdio>
#include <cstring>

namespace e2e {

std::string withCrLf(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) out += '\r';
        out += text[i];
    }
    return out;
}

std::string withoutCr(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c != '\r') out += c;
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

static void endProcess(HANDLE process) {
    if (process && WaitForSingleObject(process, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process, 1);
        WaitForSingleObject(process, 5000);
    }
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
    if (endAfterTest) endAfterThisTest(program);
    return true;
}

void endAfterThisTest(const RunningProgram& program) {
    HANDLE process = program.process;
    if (process) addCleanup([process]() {
        endProcess(process);
        CloseHandle(process);
    });
}

DWORD waitForExit(RunningProgram& program, int timeoutMs) {
    if (!program.process) return STILL_ACTIVE;
    if (WaitForSingleObject(program.process, timeoutMs) != WAIT_OBJECT_0) return STILL_ACTIVE;
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(program.process, &code);
    return code;
}

void checkExitStatus(RunningProgram& program, DWORD status, Where where) {
    checkEqual(static_cast<long long>(waitForExit(program, 10000)), static_cast<long long>(status), "exit status",
               where);
}

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

std::string joinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& l : lines) text += l + "\n";
    return text;
}

std::string cardLogText(const std::string& workDir) { return joinLines(cardLogLines(workDir)); }

}  // namespace e2e

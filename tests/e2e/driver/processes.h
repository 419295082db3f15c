// Processes and files: work folders, starting and ending a program, its exit
// status, reading and writing files, and the card.log that the virtual card
// writes beside the program.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "test.h"

namespace e2e {

struct RunningProgram {
    HANDLE process = nullptr;
    DWORD processId = 0;
    std::string workDir;
};

// "\n" line ends become "\r\n" (text files as a Windows program writes them),
// and back.
std::string withCrLf(const std::string& text);
std::string withoutCr(const std::string& text);

// A fresh, empty folder under the driver's work root; removed by the script.
std::string makeWorkDir();
// A fresh folder holding radio.ini with the given text (line ends made CR LF).
std::string makeWorkDirWithIni(const std::string& iniText);

std::string joinPath(const std::string& dir, const char* name);
bool fileExists(const std::string& path);
std::string readFileBytes(const std::string& path);
void writeFileBytes(const std::string& path, const std::string& bytes);
bool copyFileTo(const std::string& from, const std::string& toDir, const char* name);

// Starts exe with workDir as its working folder; the runner ends it after the
// test if it still runs (unless endAfterTest is false: a program that must
// outlive the test is ended by whoever keeps it, with endAfterThisTest).
// Standard output goes to stdoutPath when given.
bool startProgram(RunningProgram& program, const std::string& exe, const std::string& workDir,
                  const std::string& stdoutPath = "", bool endAfterTest = true);
void endAfterThisTest(const RunningProgram& program);
// Exit code, or STILL_ACTIVE when the process has not ended within timeoutMs.
DWORD waitForExit(RunningProgram& program, int timeoutMs);
// Waits up to ten seconds for the program to end with the status.
void checkExitStatus(RunningProgram& program, DWORD status, Where where);

// Lines of card.log in the folder (CR and LF stripped); none when absent.
std::vector<std::string> cardLogLines(const std::string& workDir);
// The same lines, each ended by "\n".
std::string cardLogText(const std::string& workDir);
std::string joinLines(const std::vector<std::string>& lines);

}  // namespace e2e

#define CHECK_EXIT_STATUS(program, status) e2e::checkExitStatus((program), (status), E2E_HERE)

// What the portable core needs from the operating system besides the card:
// message boxes, one line of console output, ending the process, replacing a
// file, the process id.
#pragma once

struct SystemServices {
    virtual ~SystemServices() = default;
    // A modal message box with one OK button and no owner window.
    virtual void showMessage(const char* text, const char* title) = 0;
    // One line of text on standard output (the caller supplies the line end).
    virtual void printText(const char* text) = 0;
    // Ends the process with the exit code. The real one never returns; test
    // fakes record the code and return, so callers must stop after calling it.
    virtual void endProcess(int exitCode) = 0;
    // Replaces `to` by `from` in one step (rename over an existing file).
    // Returns false and leaves `to` untouched when it cannot, and when `to` is
    // read-only.
    virtual bool replaceFile(const char* from, const char* to) = 0;
    // This process's id: it names the temporary file of each settings save,
    // so two copies saving side by side never write into one file.
    virtual unsigned long processId() = 0;
};

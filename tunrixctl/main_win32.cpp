// tunrixctl.exe: the command line on Windows. Port access comes from the giveio
// driver, as for tunrix.exe; the settings file is radio.ini in the current folder.
#include <windows.h>

#include <cstdio>

#include "card/giveio.h"
#include "card/virtual_card.h"
#include "card/x86_port_io.h"
#include "tunrixctl/ctl.h"

namespace {

void sleepFor(uint32_t milliseconds) { Sleep(milliseconds); }

struct WindowsHost : CtlHost {
    X86PortIo real{sleepFor};
    VirtualCard virtualCardIo{sleepFor, "card.log"};

    void out(const char* text) override { std::fputs(text, stdout); }
    void err(const char* text) override { std::fputs(text, stderr); }

    bool openRealCard(std::string& why) override {
        if (openGiveio()) return true;
        why = "Couldn't access giveio device";
        return false;
    }
    PortIo& realCard() override { return real; }
    PortIo& virtualCard() override { return virtualCardIo; }
    std::string defaultSettingsPath() override { return "radio.ini"; }
    bool replaceFile(const char* from, const char* to) override {
        return MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING) != 0;
    }
    unsigned long processId() override { return GetCurrentProcessId(); }
};

}  // namespace

int main(int argc, char** argv) {
    WindowsHost host;
    const int status = runTunrixctl(argc, argv, host);
    std::fflush(stdout);
    return status;
}

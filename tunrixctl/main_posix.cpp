// tunrixctl on Linux: port access by ioperm for the card's two ports only,
// every capability given up before a file is opened, the settings file under
// $XDG_CONFIG_HOME, and saves that keep a symbolic link a link.
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>

#include <linux/capability.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>
#if defined(__i386__) || defined(__x86_64__)
#include <sys/io.h>
#include "card/x86_port_io.h"
#define TUNRIX_HAS_PORT_IO 1
#else
#define TUNRIX_HAS_PORT_IO 0
#endif

#include "card/virtual_card.h"
#include "tunrixctl/ctl.h"

namespace {

constexpr unsigned kCardPorts[] = {0x20F, 0x30F};

void sleepFor(uint32_t milliseconds) {
    timespec left{static_cast<time_t>(milliseconds / 1000), static_cast<long>(milliseconds % 1000) * 1000000L};
    while (nanosleep(&left, &left) != 0 && errno == EINTR) {
    }
}

// Not a PortIo on a machine without x86 port instructions: nothing to write.
struct NoPortIo : PortIo {
    void writeWord(uint16_t, uint16_t) override {}
    void writeByte(uint16_t, uint8_t) override {}
    void sleepMs(uint32_t) override {}
    uint8_t readByte(uint16_t) override { return 0xFF; }
};

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

struct LinuxHost : CtlHost {
#if TUNRIX_HAS_PORT_IO
    X86PortIo real{sleepFor};
#else
    NoPortIo real;
#endif
    VirtualCard virtualCardIo{sleepFor, "card.log"};

    void out(const char* text) override { std::fputs(text, stdout); }
    void err(const char* text) override { std::fputs(text, stderr); }

    bool openRealCard(std::string& why) override {
#if TUNRIX_HAS_PORT_IO
        for (unsigned port : kCardPorts) {
            if (ioperm(port, 1, 1) == 0) continue;
            const int error = errno;
            if (error == EPERM) {
                why = "no permission to write the card's port: run as root, or: "
                      "sudo setcap cap_sys_rawio+ep $(command -v tunrixctl)";
            } else if (error == ENOSYS) {
                why = "this kernel or container allows no port I/O at all (ioperm: Function not "
                      "implemented); the card cannot be reached from here (--card virtual works without it)";
            } else {
                why = std::string("cannot get access to the card's port (ioperm: ") + std::strerror(error) + ")";
            }
            return false;
        }
        return true;
#else
        why = "this machine has no x86 I/O ports; the ISA card needs an x86 PC (--card virtual works without it)";
        return false;
#endif
    }

    void givePrivilegesUp() override {
        __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
        __user_cap_data_struct none[_LINUX_CAPABILITY_U32S_3] = {};
        prctl(PR_CAP_AMBIENT, PR_CAP_AMBIENT_CLEAR_ALL, 0, 0, 0);
        syscall(SYS_capset, &header, none);
        prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0);
    }

    PortIo& realCard() override { return real; }
    PortIo& virtualCard() override { return virtualCardIo; }

    std::string defaultSettingsPath() override {
        const char* config = std::getenv("XDG_CONFIG_HOME");
        if (config != nullptr && config[0] == '/') return std::string(config) + "/tunrix/radio.ini";
        const char* home = std::getenv("HOME");
        if (home != nullptr && home[0] != '\0') return std::string(home) + "/.config/tunrix/radio.ini";
        return "radio.ini";
    }

    std::string fileBehind(const std::string& path) override {
        std::string file = path;
        for (int hops = 0; hops < 40; ++hops) {
            struct stat info;
            if (lstat(file.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return file;
            char target[PATH_MAX];
            const ssize_t n = readlink(file.c_str(), target, sizeof target - 1);
            if (n <= 0) return file;
            target[n] = '\0';
            file = target[0] == '/' ? std::string(target) : folderOf(file) + "/" + target;
        }
        return file;
    }

    bool makeFolderFor(const std::string& path, std::string& why) override {
        const std::string folder = folderOf(path);
        for (std::size_t i = 1; i <= folder.size(); ++i) {
            if (i != folder.size() && folder[i] != '/') continue;
            const std::string part = folder.substr(0, i);
            if (mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) {
                why = part + ": " + std::strerror(errno);
                return false;
            }
        }
        return true;
    }

    bool replaceFile(const char* from, const char* to) override { return std::rename(from, to) == 0; }
    unsigned long processId() override { return static_cast<unsigned long>(getpid()); }
};

}  // namespace

int main(int argc, char** argv) {
    // Set-uid would hand root's files and ports to whoever runs the program;
    // the capability on the file is the way to give it port access alone.
    if (getuid() != geteuid() || getgid() != getegid()) {
        std::fputs("tunrixctl: must not be set-uid; instead: "
                   "sudo setcap cap_sys_rawio+ep $(command -v tunrixctl)\n", stderr);
        return kCtlNoPortAccess;
    }
    LinuxHost host;
    const int status = runTunrixctl(argc, argv, host);
    std::fflush(stdout);
    return status;
}

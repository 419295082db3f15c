// tunrixctl: the card from a command line. The commands, their arguments,
// messages and exit statuses, over what the host system provides.
#pragma once
#include <cstdint>
#include <string>

#include "card/port_io.h"

// Exit statuses; scripts rely on them.
enum CtlStatus {
    kCtlOk = 0,
    kCtlUsage = 1,         // unknown command, missing or extra argument
    kCtlBadValue = 2,      // frequency, preset, port or count not acceptable
    kCtlNoPortAccess = 3,  // the card's port cannot be written from here
    kCtlSettingsFile = 4,  // the settings file cannot be read or written
    kCtlRadioOff = 5,      // a step or volume change while the radio is off
};

// What tunrixctl needs from the host system. The Linux and Windows programs
// implement it; the tests implement it over a recorder and a temporary folder.
struct CtlHost {
    virtual ~CtlHost() = default;
    virtual void out(const char* text) = 0;   // standard output
    virtual void err(const char* text) = 0;   // standard error
    // Asks for write access to both of the card's ports (0x20F and 0x30F).
    // Returns false after writing the reason, in the user's terms, to `why`.
    virtual bool openRealCard(std::string& why) = 0;
    // Gives up every privilege the process holds (Linux capabilities); called
    // after port access was asked for and before any file is opened.
    virtual void givePrivilegesUp() {}
    virtual PortIo& realCard() = 0;
    // The virtual card, appending to card.log in the current folder.
    virtual PortIo& virtualCard() = 0;
    // The settings file used without --ini.
    virtual std::string defaultSettingsPath() = 0;
    // The file that a save really replaces: the target of a symbolic link,
    // so that the link stays a link; `path` itself otherwise.
    virtual std::string fileBehind(const std::string& path) { return path; }
    // Makes the folders above `path` that are missing (the default folder of
    // a first save). Returns false after writing the reason to `why`.
    virtual bool makeFolderFor(const std::string& path, std::string& why) {
        (void)path; (void)why;
        return true;
    }
    // Replaces `to` by `from` in one step.
    virtual bool replaceFile(const char* from, const char* to) = 0;
    // A number that no other running process has (the process id), for the
    // temporary file of a save.
    virtual unsigned long processId() = 0;
};

// Runs one command line (argv[0] is the program's name). Returns the exit status.
int runTunrixctl(int argc, const char* const* argv, CtlHost& host);

// The settings of a first run: those of the example radio.ini shipped with Tunrix.
extern const char kDefaultSettingsText[];

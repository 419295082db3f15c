// Opening the giveio device, for every Windows program that writes the ports.
#include <windows.h>

#include "card/giveio.h"

bool openGiveio() {
    HANDLE driver = CreateFileA("\\\\.\\giveio", GENERIC_READ, 0, NULL, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, NULL);
    if (driver == INVALID_HANDLE_VALUE) return false;
    CloseHandle(driver);
    return true;
}

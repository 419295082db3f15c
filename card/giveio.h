// Port access on Windows NT: the outside kernel driver giveio grants the I/O
// ports to a process that opens its device "\\.\giveio".
#pragma once

// Opens the device and closes it again at once; the access it grants stays
// with the process. Returns false when the driver is not there.
bool openGiveio();

// The process-wide records of tunrix's Win32 skin: the Program record, the
// module handle and the main window. Every skin file uses them; they live in
// a file of their own so that none of those files depends on another for them.
#include "ui/skin_win32.h"

Program gProgram;
HINSTANCE gInstance;
HWND gMainWindow;

// The Options dialog's entry function.
#pragma once
#include <windows.h>
#include "settings/options.h"

// Runs the dialog modally, owned by `owner`; OK writes into `target`. True after OK.
bool runOptionsDialog(HINSTANCE instance, HWND owner, OptionsTarget& target);

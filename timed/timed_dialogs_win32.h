// The entry functions of the scheduler and sleep timer dialogs. Each runs its
// dialog modally, owned by `owner`, acting on the Program record as it goes.
#pragma once
#include <windows.h>
#include "common/dialog_win32.h"
#include "radio/program.h"

void runSchedulerDialog(HINSTANCE instance, HWND owner, Program& program);   // 200
void runSleepTimerDialog(HINSTANCE instance, HWND owner, Program& program);  // 202

// The end-to-end driver library: everything a test or the benchmark needs to
// drive a Win32 program from outside, grouped by what it drives.
#pragma once
#include "dialogs.h"    // windows and dialogs
#include "menus.h"      // popup menus
#include "processes.h"  // processes and files
#include "screen.h"     // the pointer, pixels, bitmaps and pictures
#include "test.h"       // cases, checks, options, cleanups
#include "tooltips.h"   // tips under the pointer
#include "tray.h"       // the notification area

// The tray icon's clicks and the contents of its popup menu, which the core
// hands to the skin as a TrayMenuModel.
#pragma once
#include "radio/program.h"

// The mouse buttons the tray icon answers; moves, releases and double clicks
// are ignored, so a double click toggles once.
enum class TrayButton { leftDown, rightDown, other };

// Left button: switches the radio on or off. Right button: the popup menu.
// Ignored on Windows NT 3.x (noTrayMode), which has no icon.
void onTrayButton(Program& program, TrayButton button);
// The left-click power toggle of the tray icon.
void trayPowerToggle(Program& program);
void buildTrayMenuModel(const Program& program, TrayMenuModel& model);

// The tray icon's mouse handling and the contents of its popup menu; the skin
// builds the real menu from TrayMenuModel.
#pragma once
#include "ui/program.h"

constexpr unsigned kTrayLeftButtonDown = 513;    // WM_LBUTTONDOWN
constexpr unsigned kTrayRightButtonDown = 516;   // WM_RBUTTONDOWN

// Positions inside popup menu 169 that the skin fills from the model.
constexpr int kTrayMenuPresetPosition = 5;
constexpr int kTrayMenuStartScanPosition = 7;
constexpr int kTrayMenuStopScanPosition = 8;

constexpr int kTrayMenuTextSize = 24;   // "(10) [" + 9 characters + "]" and NUL fit

struct TrayMenuModel {
    char presetText[kPresetCount][kTrayMenuTextSize];   // item i has command 1000 + i
    bool startScanEnabled;
    bool stopScanEnabled;
};

// Message 1224: 513 toggles the power, 516 shows the popup menu, others are
// ignored; all are ignored on Windows NT 3.x (noTrayMode), which has no icon.
void onTrayCallback(Program& program, unsigned mouseMessage);
// The left-click power toggle of the tray icon.
void trayPowerToggle(Program& program);
void buildTrayMenuModel(const Program& program, TrayMenuModel& model);

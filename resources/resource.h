/* Every numeric id of tunrix's resources, grouped by dialog. Included by the
   resource script and by the C++ code, so it holds only #define lines. */
#ifndef TUNRIX_RESOURCE_H
#define TUNRIX_RESOURCE_H

/* Main window, dialog 136 */
#define IDD_MAIN            136
#define IDC_PRESET_1        1000   /* presets 1-10 are 1000-1009 */
#define IDC_PRESET_2        1001
#define IDC_PRESET_3        1002
#define IDC_PRESET_4        1003
#define IDC_PRESET_5        1004
#define IDC_PRESET_6        1005
#define IDC_PRESET_7        1006
#define IDC_PRESET_8        1007
#define IDC_PRESET_9        1008
#define IDC_PRESET_10       1009
#define IDC_VOLUME_DOWN     1010
#define IDC_VOLUME_UP       1011
#define IDC_COARSE_DOWN     1024
#define IDC_COARSE_UP       1025
#define IDC_FINE_DOWN       1026
#define IDC_FINE_UP         1027
#define IDC_MEMORY          1030
#define IDC_ABOUT           1031
#define IDC_POWER           1033
#define IDC_JUMP            1049
#define IDC_SCAN            1054
#define IDC_OPTIONS         1064
#define IDC_TIMER           1124
#define IDC_SLEEP           1152
#define IDC_EXIT            2      /* IDCANCEL: Exit / Hide, Escape, close box */

/* Jump dialog, 137 */
#define IDD_JUMP                    137
#define IDC_JUMP_FREQUENCY          1047

/* About dialog, 138 */
#define IDD_ABOUT                   138
#define IDC_ABOUT_SYSTEM            1151   /* "Windows", set to "Windows NT" */

/* Driver error dialog, 140 (only OK, id 1) */
#define IDD_DRIVER_ERROR            140

/* Options dialog, 170 */
#define IDD_OPTIONS                 170
#define IDC_OPTIONS_BUTTON_BEEPS    1065
#define IDC_OPTIONS_RUN_IN_TRAY     1066
#define IDC_OPTIONS_CYCLE_DURATION  1070
#define IDC_OPTIONS_SECONDS         1091
#define IDC_OPTIONS_MINUTES         1092
#define IDC_OPTIONS_TITLE_BAR       1094
#define IDC_OPTIONS_PORT_20C        1095
#define IDC_OPTIONS_PORT_30C        1096
#define IDC_OPTIONS_FREQUENCY_1     5000   /* preset i+1: frequency 5000+2i */
#define IDC_OPTIONS_DESCRIPTION_1   5001   /* preset i+1: description 5001+2i */
#define IDC_OPTIONS_FREQUENCY_10    5018
#define IDC_OPTIONS_DESCRIPTION_10  5019

/* Scheduler dialog, 200 */
#define IDD_SCHEDULER               200
#define IDC_SCHEDULER_TODAY         1113
#define IDC_SCHEDULER_TOMORROW      1114
#define IDC_SCHEDULER_EVERY         1115
#define IDC_SCHEDULER_NEXT          1116
#define IDC_SCHEDULER_DAYS          1118
#define IDC_SCHEDULER_DAYS_LABEL    1119
#define IDC_SCHEDULER_HOURS         1120
#define IDC_SCHEDULER_MINUTES       1133
#define IDC_SCHEDULER_STATION       1136
#define IDC_SCHEDULER_PLAY_FOREVER  1142
#define IDC_SCHEDULER_PLAY_HOURS    1146
#define IDC_SCHEDULER_PLAY_MINUTES  1147
#define IDC_SCHEDULER_ACTIVATE      1148
#define IDC_SCHEDULER_AM            5050
#define IDC_SCHEDULER_PM            5051

/* Sleep timer dialog, 202 */
#define IDD_SLEEP_TIMER             202
#define IDC_SLEEP_TIMER_MINUTES     1092
#define IDC_SLEEP_TIMER_ACTIVATE    1148
#define IDC_SLEEP_TIMER_HOURS       1153

/* Popup menu 169: one untitled popup; positions count separators */
#define IDM_TRAY            169
#define IDM_RESTORE         40023
#define IDM_EXIT            40024
#define IDM_TRAY_POS_PRESETS    5   /* the "Preset" submenu */
#define IDM_TRAY_POS_START_SCAN 7
#define IDM_TRAY_POS_STOP_SCAN  8
/* The tray icon: its id beside the main window, and the message its mouse
   events arrive with (WM_USER + 200) */
#define ID_TRAY_ICON        200
#define WM_TRAY_CALLBACK    1224

/* Display bitmaps: digit d is IDB_DIGIT_0 + d */
#define IDB_BACKGROUND      121    /* 128 x 35 panel with FM and decimal point */
#define IDB_LAMP_ON         153    /* 12 x 9 green */
#define IDB_LAMP_OFF        154    /* 12 x 9 red */
#define IDB_HEART           165    /* 12 x 11, memory mode */
#define IDB_PSCAN           166    /* 28 x 9, preset scan */
#define IDB_DIGIT_0         178    /* 15 x 20 each, 178-187 */
#define IDB_DIGIT_9         187
#define IDB_BLANK           188    /* 15 x 20 dark cell */
#define IDB_PRESET_1        201    /* preset number n is IDB_PRESET_1 + n - 1 */
#define IDB_PRESET_10       210
#define IDB_SLEEP_Z         211    /* 6 x 7 */
#define IDB_CLOCK           212    /* 9 x 10 */

/* Icons */
#define IDI_RADIO_OFF       171    /* red FM: tray icon while the radio is off */
#define IDI_TUNRIX          200    /* green FM: window class, dialogs, tray while on */
#define IDI_RADIO_ON        200
#define IDI_SLEEP_TIMER     203

#endif

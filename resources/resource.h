/* Every numeric id of tunrix's resources, grouped by dialog. Included by the
   resource script and by the C++ code, so it holds only #define lines. */
#ifndef TUNRIX_RESOURCE_H
#define TUNRIX_RESOURCE_H

/* Main window, dialog 136 */
#define IDD_MAIN            136
#define IDC_PRESET_1        1000   /* presets 1-10 are 1000-1009 */
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

/* Popup menu 169 */
#define IDM_TRAY            169
#define IDM_RESTORE         40023
#define IDM_EXIT            40024

#endif

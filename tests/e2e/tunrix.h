// The tunrix fixture: the program under test as every group drives it. Its
// example radio.ini files, starting it in a fresh folder, the checks of
// card.log, the panel, the title, the captions and the exit, its tray menu
// and the dialogs of its main window. Every id comes from resource.h.
#pragma once
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "driver.h"
#include "resources/resource.h"

namespace e2e {

// A started tunrix in its own folder; window is the main window once found.
struct Tunrix {
    RunningProgram program;
    std::string dir;
    HWND window = nullptr;
};

std::string tunrixExe();
HMODULE tunrixResources();

// ---- radio.ini ------------------------------------------------------------

// The example settings file; its last line has no line end.
extern const char kExampleIni[];
// Replacements in a fixture text: each pair is (old, new), whole lines with
// their line ends where they have one. A text that is not in the file stops
// the driver (the fixture itself is wrong).
typedef std::vector<std::pair<std::string, std::string>> LineChanges;
// The example with the changes made; the same without button beeps (the
// timed runs need no sound).
std::string example(const LineChanges& changes = {});
std::string quietExample(LineChanges changes = {});
// The example as the everyday tests use it: started in the tray, the scan
// dwelling one second, presets 1, 4 and 10 at 088.0, 095.0 and 107.9 (the
// others as in the example); then the changes.
std::string trayExample(const LineChanges& changes = {});
extern const std::pair<const char*, const char*> kNoTray;
// Presets of trayExample: the text, the tuning word (trunc((f - 88) * 40) +
// 3948) and the panel's cells.
struct Preset {
    const char* text;
    int word;
    const char* cells;
};
extern const Preset kTrayPresets[10];
// Index of the trayExample preset that a card.log line tunes, or -1.
int trayPresetOfLine(const std::string& line);

// ---- Starting ---------------------------------------------------------------

// Starts tunrix in a fresh folder holding radio.ini with ini (made CR LF)
// and beep.wav, and waits for its main window: shown, or (starting in the
// tray) maybe hidden. A message box that comes up instead fails the test
// with its texts. A program that must outlive the test (kept) is not ended by
// the runner; whoever keeps it ends it.
bool startTunrix(Tunrix& t, const std::string& ini, bool shown, Where where, bool kept = false);
bool startShown(Tunrix& t, const std::string& ini, Where where);
// Started hidden in the tray: the main window exists and the shell has the
// icon; with `icon`, also the icon's window in Wine's notification area.
bool startInTray(Tunrix& t, const std::string& ini, Where where, HWND* icon = nullptr);
// Started (with no radio.ini when ini is null) to the message box that comes
// up instead of the main window.
DialogSeen startToMessageBox(Tunrix& t, const std::string* ini, Where where);

// ---- card.log -----------------------------------------------------------------

// The card.log line for tuning to a word: port, "tune", the word, and the MHz
// that the word means ((word * 25 kHz) - 10.7 MHz).
std::string tuneLine(int word, const char* port = "0x20f");
const char* const kOffLine = "0x20f off";
const char* const kVolumeUpLine = "0x20f volume up";
const char* const kVolumeDownLine = "0x20f volume down";
// card.log must hold exactly these lines, in order; waits for them, then a
// little longer so that a line too many is seen as well.
void checkCardLog(const std::string& dir, const std::vector<std::string>& expected, Where where);
// Nothing reached the card: no card.log at all.
void checkNoCardLog(const Tunrix& t, Where where);
// Waits until card.log has more than count lines; returns when the line
// came, in milliseconds since `since`, or -1.
long waitForLineAfter(const Tunrix& t, size_t count, DWORD since, int timeoutMs);
// Nothing more reaches the card for ms milliseconds; returns card.log's lines.
std::vector<std::string> checkCardQuietFor(const Tunrix& t, int ms, Where where);
// Posts a harmless command (volume up) behind whatever the test posted before
// and waits until the card has it. Posted messages are handled in order, so
// afterwards everything posted earlier has been handled. The radio must be on.
bool syncByVolumeUp(Tunrix& t, Where where);

// ---- Window, panel, exit --------------------------------------------------------

// The window title and a control's caption, waiting up to two seconds for
// the wanted text.
void checkTitle(HWND window, const std::string& expected, Where where);
void checkCaption(HWND window, int controlId, const std::string& expected, Where where);
// The panel's four cells (" 885" = blank, 8, 8, 5 with the point between the
// last two).
void checkCells(HWND window, const char* cells, Where where);
// The lamp: its bitmap, and its colour at a pixel inside it.
void checkLamp(HWND window, bool on, Where where);
// Cells, lamp, and the number of preset index presetIndex (none for 10).
void checkPanel(HWND window, const char* cells, bool lampOn, int presetIndex, Where where);
// The marks of the panel: shown or not, waiting up to two seconds.
enum Mark { kHeartMark, kPscanMark, kClockMark, kSleepZMark };
bool markShown(HWND window, Mark mark);
void checkMark(HWND window, Mark mark, bool shown, Where where);
// The window is shown (or hidden), waiting up to five seconds.
void checkShown(HWND window, bool shown, Where where);

std::string iniOf(const Tunrix& t);
// The program ends with status 0 (the default) within ten seconds.
void checkExitsWithZero(Tunrix& t, Where where);
// It ends with status 0 and has written radio.ini as ini (made CR LF).
void checkEndsWriting(Tunrix& t, const std::string& ini, Where where);
// The Exit button is pressed, then the same.
void checkExitWrites(Tunrix& t, const std::string& ini, Where where);

// ---- Tray menu -------------------------------------------------------------------

// Where the pointer rests when the tray menu is asked for: the menu opens
// there, clear of the notification area and of the reference menu.
const POINT kMenuPoint = {220, 140};
// A tray mouse message as the shell sends it, handled before this returns.
bool sendTrayMouse(Tunrix& t, UINT mouseMessage);
// A right press on the tray icon as the shell reports it (posted: the menu
// runs its own loop inside the handler); returns the menu.
HWND openTrayMenu(Tunrix& t);
// Opens the tray menu and picks an item with the keys; true when the menu
// came up and closed again.
bool pickFromTrayMenu(Tunrix& t, const std::vector<int>& keys, Where where);

// ---- Dialogs of the main window ------------------------------------------------------

// A dialog with the caption that the main window owns comes up; nullptr
// (and a failure) when it does not. openDialog posts the command first.
HWND dialogOf(const Tunrix& t, const char* caption, Where where);
HWND openDialog(const Tunrix& t, int command, const char* caption, Where where);
// The main window has no dialog open (any more).
void checkNoDialog(const Tunrix& t, Where where);
// Closes a dialog of the main window (nothing when null), which then has none.
void closeDialog(const Tunrix& t, HWND dialog, CloseWay way, Where where);

}  // namespace e2e

#define CHECK_CARD_LOG(dir, ...) e2e::checkCardLog((dir), __VA_ARGS__, E2E_HERE)
#define CHECK_NO_CARD_LOG(t) e2e::checkNoCardLog((t), E2E_HERE)
#define CHECK_TITLE(window, expected) e2e::checkTitle((window), (expected), E2E_HERE)
#define CHECK_CAPTION(window, id, expected) e2e::checkCaption((window), (id), (expected), E2E_HERE)
#define CHECK_CELLS(window, cells) e2e::checkCells((window), (cells), E2E_HERE)
#define CHECK_LAMP(window, on) e2e::checkLamp((window), (on), E2E_HERE)
#define CHECK_PANEL(window, cells, lampOn, presetIndex) \
    e2e::checkPanel((window), (cells), (lampOn), (presetIndex), E2E_HERE)
#define CHECK_MARK(window, mark, shown) e2e::checkMark((window), (mark), (shown), E2E_HERE)
#define CHECK_SHOWN(window, shown) e2e::checkShown((window), (shown), E2E_HERE)
#define CHECK_EXITS_WITH_ZERO(t) e2e::checkExitsWithZero((t), E2E_HERE)
#define CHECK_ENDS_WRITING(t, ini) e2e::checkEndsWriting((t), (ini), E2E_HERE)
#define CHECK_EXIT_WRITES(t, ini) e2e::checkExitWrites((t), (ini), E2E_HERE)
#define SYNC_BY_VOLUME_UP(t) e2e::syncByVolumeUp((t), E2E_HERE)
#define PICK_FROM_TRAY_MENU(t, ...) e2e::pickFromTrayMenu((t), __VA_ARGS__, E2E_HERE)

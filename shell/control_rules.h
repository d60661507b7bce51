// Rules that say how the host's controls behave, shared by every host so that the
// real window and the fake one used in tests cannot drift apart.
#pragma once

#include "text.h"

#include <utility>
#include <vector>

// The editor's remembered selection: the start and count last set by the logic. The
// user's own clicks and typing change neither.
struct RememberedSelection {
    int start = 0;
    int count = 0;
};

// The byte range actually selected: from `anchor` to `caret`, the caret at the far end.
struct SelectionRange {
    int anchor = 0;
    int caret = 0;
};

// setSelectionStart(v): −1 puts the start at the end with nothing selected, any other
// negative value at 0.
RememberedSelection afterSetSelectionStart(RememberedSelection remembered, int value,
                                           int textLength);
// setSelectionLength(v): −1 selects everything, any other negative value selects nothing.
RememberedSelection afterSetSelectionLength(RememberedSelection remembered, int value,
                                            int textLength);
// What to select for a remembered selection: ends beyond the text are taken as its end.
SelectionRange selectionToShow(RememberedSelection remembered, int textLength);

// What setTimerPeriod does to a timer holding `storedPeriod`.
struct TimerChange {
    int period = 0;       // the period stored afterwards; 0 is stopped
    bool restart = false; // stop the countdown and, when period > 0, start a new one
};
TimerChange timerPeriodChange(int storedPeriod, int requestedPeriod);

inline constexpr int kMessageBoxSystemModal = 0x1000;
inline constexpr int kMessageBoxTaskModal = 0x2000;
// The style handed to the platform: task-modal unless the caller asked for system-modal.
int messageBoxStyle(int style);
// The title shown: the given one, or "信息：" when none is given.
Text messageBoxTitle(const Text& title);

// One entry of a file dialog's filter list.
struct FilterEntry {
    Text description;
    Text pattern;
};
// The filter text read as description|pattern pairs, "||" appended when missing.
std::vector<FilterEntry> fileDialogFilterEntries(const Text& filter);
// 1-based entry selected first; negative indexes count as 0.
int fileDialogFirstEntry(int initialFilterIndex);

// Character height of a font of `points` at `dpi`: −(points × dpi / 72), rounded as
// MulDiv rounds; 0 (the mapper's default height) for points of 0 or below.
int fontHeightForPoints(int points, int dpi);
// Points of a character height at `dpi`: |height| × 72 / dpi, rounded.
int pointsForFontHeight(int height, int dpi);
// A face name of 1 to 31 bytes is used; any other gives "宋体".
Text editorFaceName(const Text& name);
inline constexpr int kBoldWeight = 700;

// Editor sizes are taken into 0..32627.
int clampEditorDimension(int pixels);

// Hotkey ids: the n-th registration (counting refusals) gets 33000 + n.
inline constexpr int kFirstHotkeyId = 33001;
int hotkeyIdForRegistration(int registrationNumber);
// Platform modifier bits (MOD_ALT 1, MOD_CONTROL 2, MOD_SHIFT 4) for a modifier code of
// the hotkey service (1 Ctrl, 2 Shift, 4 Alt, sums for pairs); other codes pass unchanged.
unsigned hotkeyModifierBits(int modifierCode);
// Whether a reported id is one of ours, given the last id handed out.
bool isReaderHotkeyId(int id, int lastIdGiven);

// The got-file text for dropped paths: a single path as it is, several each followed
// by CR LF.
Text droppedFilesText(const std::vector<Text>& paths);

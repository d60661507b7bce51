// The six system-wide hotkeys: hide and show the window, and drive auto-reading from
// whichever program is active.
#pragma once

void handleHotkeyFeedback(int id, int unused);

// Alt+X: hides or shows the main window, pausing and resuming auto-reading.
void toggleWindowShown();

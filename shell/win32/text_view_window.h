// The editor's window class, "VellumryTextView": a view of GBK text of our own that holds
// the bytes once, wraps only what is on screen, and answers the edit control's messages
// (WM_GETTEXT, EM_GETSEL, EM_SETSEL, ...) with byte positions, as the platform's ANSI
// edit control does on a Chinese Windows desktop. It reads the style bits ES_READONLY
// and ES_NOHIDESEL; it is always multi-line, wraps at its width and scrolls vertically.
// Like a multi-line edit control, it tells its parent about the user's changes with
// EN_CHANGE, but not about WM_SETTEXT.
#pragma once

#include <windows.h>

inline constexpr const char* kTextViewClass = "VellumryTextView";

// Registers the class for this process (again is harmless); false when the platform refuses.
bool registerTextViewClass();

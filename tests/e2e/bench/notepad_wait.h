// Waiting for Wine's notepad to show a file: its window with the file's name in the
// caption, answering messages again after setting the text.
#pragma once

#include <windows.h>

// Prints "shown-at <Unix milliseconds>" and returns 0 once the window is up; "timeout" and
// 1 when it is not within `timeoutMs`.
int waitForNotepad(const char* fileName, DWORD timeoutMs);

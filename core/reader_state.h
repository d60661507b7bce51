// The program's one state record and the lock that guards its document path.
#pragma once

#include "shell/text.h"

#include <atomic>
#include <mutex>
#include <optional>

struct ReaderState {
    // The restore task sets these two on its worker thread while the GUI thread runs.
    std::atomic<int> documentFile = 0;     // 0: no document open
    std::atomic<int> documentModified = 0; // 1 after the editor text changed
    Text documentPath;
    int autoReadPeriod = 0;
    std::optional<TextArray> pathParts; // created by the entry
    int hotkeyFaster = 0;
    int hotkeySlower = 0;
    int hotkeyLonger = 0;
    int hotkeyShorter = 0;
    int hotkeyHide = 0;
    int hotkeyAutoRead = 0;
    int readingBlockLength = 0;
    // Snapshots of the settings file taken at start-up.
    Text savedPosition;
    Text readOnlySetting;
    int fontSize = 0;
    Text fontName;
    Text fontBold;
    int fontColour = 0;
    int foundPosition = 0;
};

extern ReaderState reader;

// Guards the texts that worker tasks share with the GUI thread: documentPath,
// pathParts and savedPosition.
extern std::mutex documentPathLock;

// Back to the zeroed record of process start, for a fresh run in the same process.
void resetReaderState();

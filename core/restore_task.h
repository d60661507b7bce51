// At every start: offer to reopen the last dropped document and to jump back to the
// reading position kept at the last close.
#pragma once

// Runs on a worker thread, so the main window stays usable while its questions are open.
void restoreTask();

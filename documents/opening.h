// Bringing a text file into the editor: the open dialog, a drop, and the changed mark.
#pragma once

#include "shell/text.h"

// Opens `path` for reading into documentFile and puts its text in the editor.
void loadDocument(const Text& path);

void handleOpen();
void handleFileDropped(const Text& paths);
void handleEditorTextChanged();

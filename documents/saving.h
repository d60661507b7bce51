// Writing the editor's text to files: new, save, save as, and the writes the close
// prompts make.
#pragma once

#include "shell/text.h"

inline constexpr int kSavePromptStyle = 4147; // Yes/No/Cancel, exclamation, system-modal
inline constexpr const char* kChangedTextPrompt = "文字已经改变,想保存文件吗?";

// The save dialog on the user's desktop folder: the accepted path, or "".
Text saveDialog();

// The name every save writes: ".txt" appended unless the name ends in it, in any case.
Text saveName(const Text& chosen);

// "文件 <path> 的文字已经改变。\r\n想保存文件吗?"
Text documentPrompt();

// Writes the editor's text to `path`; a failure is shown to the user and returns false.
// The open document's read handle is let go for the write, since a file held open
// cannot be replaced, and afterwards taken again on the document's path.
bool writeEditorTextTo(const Text& path);

void handleNew();
void handleSave();
void handleSaveAs();

// The editor's font and colours, which only the program's own process can read.
#pragma once

#include <windows.h>

#include <string>

// "key value" lines: the font the editor was given (WM_GETFONT) and the one the font mapper
// actually realised for it.
std::string editorFontReport(HWND editor);

// "key value" lines: the colours the editor's parent hands it for drawing, asked with the
// same WM_CTLCOLOR message that the editor itself sends.
std::string editorColoursReport(HWND editor);

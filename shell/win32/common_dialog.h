// The common dialog 通用对话框1: the settings and font values it keeps between runs,
// and its file and font dialogs.
#pragma once

#include "shell/host_services.h"

#include <windows.h>

struct CommonDialogState {
    FileDialogKind kind = kCommonDialog.kind;
    Text title = kCommonDialog.title;
    Text fileName = kCommonDialog.fileName; // the path accepted last
    Text filter = kCommonDialog.filter;
    int initialFilterIndex = kCommonDialog.initialFilterIndex;
    Text initialDirectory = kCommonDialog.initialDirectory;
    Text defaultExtension = kCommonDialog.defaultExtension;
    bool createPrompt = kCommonDialog.createPrompt;
    bool fileMustExist = kCommonDialog.fileMustExist;
    bool overwritePrompt = kCommonDialog.overwritePrompt;
    bool pathMustExist = kCommonDialog.pathMustExist;
    bool keepCurrentDirectory = kCommonDialog.keepCurrentDirectory;

    int fontColour = 0;
    bool bold = false;
    bool italic = false;
    bool strikeOut = false;
    bool underline = false;
    Text faceName;
    int points = 0;
};

// Runs the open or save dialog of the stored kind; the accepted path, or "" when the
// user cancelled.
Text showFileDialog(CommonDialogState& dialog, HWND owner);

// Runs the font dialog from the stored font values and stores the accepted ones.
FontChoice showFontDialog(CommonDialogState& dialog, HWND owner);

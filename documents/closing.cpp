#include "closing.h"

#include "caption.h"
#include "core/reader_state.h"
#include "core/settings_file.h"
#include "saving.h"
#include "shell/host_services.h"
#include "shell/text_rules.h"

namespace {

constexpr bool kKeepOpen = false;
constexpr bool kClose = true;
constexpr int kKeepPositionStyle = 4100; // Yes/No, system-modal

void askToKeepPosition() {
    if (host().showMessageBox("是否保存此次浏览的位置？", kKeepPositionStyle, "提示") == kYes) {
        writeSettingValue("选择", "选项", intToText(host().getSelectionStart()));
    }
}

bool closeWithoutDocument() {
    if (reader.documentModified != 1) return kClose;
    int answer = host().showMessageBox(kChangedTextPrompt, kSavePromptStyle, "");
    if (answer == kNo) host().endProgram(0);
    if (answer != kYes) return kKeepOpen;
    Text chosen = saveDialog();
    if (chosen.empty() || !writeEditorTextTo(saveName(chosen))) return kKeepOpen;
    reader.documentModified = 0;
    return kClose;
}

bool closeWithDocument() {
    askToKeepPosition();
    if (reader.documentModified != 1) return kClose;
    int answer = host().showMessageBox(documentPrompt(), kSavePromptStyle, "Vellumry");
    if (answer == kCancel) return kKeepOpen;
    if (answer == kYes) {
        if (!writeEditorTextTo(currentDocumentPath())) return kKeepOpen;
        host().closeFile(reader.documentFile);
    }
    host().endProgram(0);
}

} // namespace

void handleCloseDocument() {
    host().closeFile(reader.documentFile);
    reader.documentFile = 0;
    host().setEditorText("");
}

void handleExit() {
    host().endProgram(0);
}

bool handleCanBeClosed() {
    return reader.documentFile == 0 ? closeWithoutDocument() : closeWithDocument();
}

#include "saving.h"

#include "caption.h"
#include "core/reader_state.h"
#include "shell/host_services.h"

#include <algorithm>

namespace {

constexpr int kSaveFailedStyle = 0x1030; // OK, exclamation, system-modal

bool endsWithTxt(const Text& name) {
    const Text suffix = ".txt";
    if (name.size() < suffix.size()) return false;
    return std::equal(suffix.begin(), suffix.end(), name.end() - suffix.size(),
                      [](char want, char have) {
                          return want == (have >= 'A' && have <= 'Z' ? have + ('a' - 'A') : have);
                      });
}

void emptyEditor() {
    host().setEditorText("");
}

} // namespace

Text saveDialog() {
    return host().runFileDialog(FileDialogKind::save, host().specialFolderPath(kDesktopFolder));
}

Text saveName(const Text& chosen) {
    return endsWithTxt(chosen) ? chosen : chosen + ".txt";
}

Text documentPrompt() {
    return "文件 " + currentDocumentPath() + " 的文字已经改变。\r\n想保存文件吗?";
}

// Written back over its own file, the document keeps the bytes after a 0 or 26 that ended
// the text the editor was given: the user never saw them, so never chose to drop them.
bool writeEditorTextTo(const Text& path) {
    const bool holding = reader.documentFile != 0;
    Bytes bytes = host().textToBytes(host().getEditorText());
    if (holding && path == currentDocumentPath())
        bytes += host().readBytesAfterText(reader.documentFile);
    if (holding) host().closeFile(reader.documentFile);
    const bool written = host().writeFileBytes(path, bytes);
    if (holding)
        reader.documentFile = host().openFileForReading(written ? path : currentDocumentPath());
    if (!written) host().showMessageBox("保存失败：" + path, kSaveFailedStyle, "Vellumry");
    return written;
}

void handleNew() {
    if (reader.documentModified != 1) return;
    if (reader.documentFile == 0) {
        int answer = host().showMessageBox(kChangedTextPrompt, kSavePromptStyle, "Vellumry");
        if (answer == kYes) {
            Text chosen = saveDialog();
            if (chosen.empty()) return;
            Text name = saveName(chosen);
            if (!writeEditorTextTo(name)) return;
            setDocumentPath(name);
            emptyEditor();
        } else if (answer == kNo) {
            emptyEditor();
        }
        return;
    }
    int answer = host().showMessageBox(documentPrompt(), kSavePromptStyle, "Vellumry");
    if (answer == kYes) {
        if (!writeEditorTextTo(currentDocumentPath())) return;
        host().closeFile(reader.documentFile);
        reader.documentFile = 0;
        emptyEditor();
    } else if (answer == kNo) {
        emptyEditor();
    }
}

void handleSave() {
    if (reader.documentModified != 1) return;
    if (reader.documentFile == 0) {
        Text chosen = saveDialog();
        if (chosen.empty()) return;
        Text name = saveName(chosen);
        if (!writeEditorTextTo(name)) return;
        setDocumentPath(name);
        reader.documentModified = 0;
        return;
    }
    if (!writeEditorTextTo(currentDocumentPath())) return;
    reader.documentModified = 0;
}

void handleSaveAs() {
    Text chosen = saveDialog();
    if (chosen.empty()) return;
    Text name = saveName(chosen);
    if (!writeEditorTextTo(name)) return;
    setDocumentPath(name);
    host().startWorker(captionTask);
}

#include "opening.h"

#include "caption.h"
#include "core/reader_state.h"
#include "core/settings_file.h"
#include "shell/host_services.h"

namespace {

// A drop of several files carries every path followed by CR LF; the first one is
// opened, since the whole text is no path and would break the settings file's lines.
Text firstDroppedPath(const Text& paths) {
    return paths.substr(0, paths.find_first_of("\r\n"));
}

} // namespace

void loadDocument(const Text& path) {
    // The old read handle is let go: nothing reads it again, and an open handle stops
    // a later save from replacing that file.
    host().closeFile(reader.documentFile);
    reader.documentFile = host().openFileForReading(path);
    host().setEditorText(host().readRemainingText(reader.documentFile));
}

void handleOpen() {
    reader.documentModified = 0;
    Text chosen = host().runFileDialog(FileDialogKind::open, "F:\\电子书");
    if (chosen.empty()) return;
    setDocumentPath(chosen);
    loadDocument(chosen);
    reader.documentModified = 0;
    setCaptionFromPath(chosen);
}

void handleFileDropped(const Text& paths) {
    Text path = firstDroppedPath(paths);
    setDocumentPath(path);
    loadDocument(path);
    writeSettingValue("小说", "路径", path);
    reader.documentModified = 0;
    host().startWorker(captionTask);
}

void handleEditorTextChanged() {
    reader.documentModified = 1;
}

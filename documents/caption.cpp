#include "caption.h"

#include "core/reader_state.h"
#include "shell/host_services.h"
#include "shell/text_rules.h"

#include <optional>

namespace {

// Counts every new pathParts, guarded by documentPathLock, so that a caption task whose
// caption was overtaken by a newer one can tell and show the newer one instead.
int partsGeneration = 0;

std::optional<Text> captionOfParts() {
    if (!reader.pathParts || reader.pathParts->empty()) return std::nullopt;
    const TextArray& parts = *reader.pathParts;
    return textArrayElement(parts, static_cast<int>(parts.size())) + " - 记事本";
}

// Splits the path into pathParts under the lock. The caption itself is shown outside
// it: on a worker thread setWindowCaption waits for the GUI thread, which may itself be
// waiting for the lock to change documentPath.
void showCaption(const Text* path) {
    std::optional<Text> caption;
    int shown = 0;
    {
        std::lock_guard guard(documentPathLock);
        reader.pathParts = splitText(path ? *path : reader.documentPath, "\\");
        shown = ++partsGeneration;
        caption = captionOfParts();
    }
    for (;;) {
        if (caption) host().setWindowCaption(*caption);
        std::lock_guard guard(documentPathLock);
        if (shown == partsGeneration) return;
        shown = partsGeneration;
        caption = captionOfParts();
    }
}

} // namespace

void setDocumentPath(const Text& path) {
    std::lock_guard guard(documentPathLock);
    reader.documentPath = path;
}

Text currentDocumentPath() {
    std::lock_guard guard(documentPathLock);
    return reader.documentPath;
}

void setCaptionFromPath(const Text& path) {
    showCaption(&path);
}

void captionTask() {
    showCaption(nullptr);
}

#include "restore_task.h"

#include "documents/caption.h"
#include "documents/opening.h"
#include "reader_state.h"
#include "settings_file.h"
#include "shell/host_services.h"
#include "shell/text_rules.h"

namespace {

constexpr int kOpenPromptStyle = 4132;     // Yes/No, question mark, system-modal
constexpr int kMissingFileStyle = 4096;    // OK, system-modal
constexpr int kPositionPromptStyle = 4100; // Yes/No, system-modal

bool userAgrees(const Text& question, int style) {
    return host().showMessageBox(question, style, "提示") == kYes;
}

// false when the task ends here.
bool reopenLastDocument() {
    if (!userAgrees("已发现上次阅读文本是否打开？", kOpenPromptStyle)) return false;
    if (!host().fileExists(currentDocumentPath())) {
        writeSettingValue("小说", "路径", "");
        writeSettingValue("选择", "选项", "");
        host().showMessageBox("文件已不存在！", kMissingFileStyle, "提示");
        return false;
    }
    loadDocument(currentDocumentPath());
    reader.documentModified = 0;
    host().startWorker(captionTask);
    return true;
}

} // namespace

void restoreTask() {
    Text savedPosition;
    {
        std::lock_guard guard(documentPathLock);
        savedPosition = reader.savedPosition;
    }
    if (!currentDocumentPath().empty() && !reopenLastDocument()) return;
    if (savedPosition.empty()) return;
    if (userAgrees("已发现上次阅读文本的位置，是否跳到上次阅读位置？", kPositionPromptStyle)) {
        host().setSelectionStart(textToInt(savedPosition));
    }
}

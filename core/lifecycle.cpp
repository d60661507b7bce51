#include "lifecycle.h"

#include "reader_state.h"
#include "restore_task.h"
#include "settings_file.h"
#include "shell/host_services.h"
#include "shell/text_rules.h"

namespace {

constexpr int kAltModifier = 4;

int registerAltHotkey(int virtualKey) {
    return host().registerHotkey(host().getWindowHandle(WindowObject::mainWindow),
                                 host().getWindowHandle(WindowObject::标签1), kAltModifier,
                                 virtualKey);
}

void registerReaderHotkeys() {
    reader.hotkeyHide = registerAltHotkey('X');
    reader.hotkeyAutoRead = registerAltHotkey('A');
    reader.hotkeyFaster = registerAltHotkey('1');
    reader.hotkeySlower = registerAltHotkey('2');
    reader.hotkeyLonger = registerAltHotkey('3');
    reader.hotkeyShorter = registerAltHotkey('4');
}

void readStoredSettings() {
    {
        Text position = readSettingValue("选择", "选项");
        Text path = readSettingValue("小说", "路径");
        std::lock_guard guard(documentPathLock);
        reader.savedPosition = position;
        reader.documentPath = path;
    }
    reader.readOnlySetting = readSettingValue("功能", "只读");
    reader.fontSize = textToInt(readSettingValue("小说", "字体大小"));
    reader.fontName = readSettingValue("小说", "字体名称");
    reader.fontBold = readSettingValue("小说", "字体加粗");
    reader.fontColour = textToInt(readSettingValue("小说", "字体颜色"));
}

void applyStoredSettings() {
    host().setEditorFontSize(reader.fontSize);
    host().setEditorFontName(reader.fontName);
    if (textIsTrue(reader.fontBold)) host().setEditorFontBold(true);
    if (textIsTrue(reader.readOnlySetting)) {
        host().setMenuChecked(menuItem("只读"), true);
        host().setEditorReadOnly(true);
    }
    host().setEditorTextColour(reader.fontColour);
}

} // namespace

int programEntry() {
    reader.pathParts.emplace();
    host().registerExitCleanup(exitCleanup);
    host().loadMainWindow();
    host().runEventLoop();
    return 0;
}

void handleWindowCreated() {
    reader.autoReadPeriod = 100;
    host().registerDropTarget(DropObject::拖放对象1, host().getWindowHandle(WindowObject::编辑框1));
    reader.readingBlockLength = 5;
    host().applyVisualStyle(1);
    registerReaderHotkeys();
    readStoredSettings();
    applyStoredSettings();
    host().startWorker(restoreTask);
}

void exitCleanup() {
    std::lock_guard guard(documentPathLock);
    reader.documentPath.clear();
    if (reader.pathParts) {
        for (Text& part : *reader.pathParts)
            part.clear();
        reader.pathParts.reset();
    }
    reader.savedPosition.clear();
    reader.readOnlySetting.clear();
    reader.fontName.clear();
    reader.fontBold.clear();
}

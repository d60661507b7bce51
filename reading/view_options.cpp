#include "view_options.h"

#include "core/reader_state.h"
#include "core/settings_file.h"
#include "shell/host_services.h"
#include "shell/text_rules.h"

namespace {

constexpr int kPositionSavePeriod = 10000;
constexpr int kFrameWidth = 15;
constexpr int kFrameHeight = 58;

} // namespace

void handleReadOnly() {
    const bool readOnly = !host().isMenuChecked(menuItem("只读"));
    host().setMenuChecked(menuItem("只读"), readOnly);
    host().setEditorReadOnly(readOnly);
    writeSettingValue("功能", "只读", boolToText(readOnly));
}

void handleAlwaysOnTop() {
    if (host().isWindowTopmost()) {
        host().setMenuChecked(menuItem("前置"), false);
        host().setWindowTopmost(false);
    } else {
        host().setWindowTopmost(true);
        host().setMenuChecked(menuItem("前置"), true);
    }
}

// A cancelled dialog changes nothing: applying its unchanged values would replace the
// font the user saved in an earlier run.
void handleFont() {
    const FontChoice font = host().runFontDialog();
    if (!font.accepted) return;
    host().setEditorFontSize(font.points);
    host().setEditorFontName(font.faceName);
    host().setEditorFontBold(font.bold);
    host().setEditorTextColour(font.colour);
    writeSettingValue("小说", "字体大小", intToText(font.points));
    writeSettingValue("小说", "字体名称", font.faceName);
    writeSettingValue("小说", "字体加粗", boolToText(font.bold));
    writeSettingValue("小说", "字体颜色", intToText(font.colour));
}

void handleHelp() {
    host().showMessageBox("隐藏 ALT+X 自动阅读 ALT+A 自动阅读速度加快 CTLR+1 减慢 CTLR+2 "
                          "阅读方形长度加长 CTLR+3 减短 CTLR+4",
                          0x1000, "提示");
}

void handleWindowResized() {
    host().setEditorSize(host().getWindowSize().width - kFrameWidth, std::nullopt);
    host().setEditorSize(std::nullopt, host().getWindowSize().height - kFrameHeight);
}

void handleSavePositionToggle() {
    if (!host().isMenuChecked(menuItem("保存浏览位置(10秒保存一次)"))) {
        host().setMenuChecked(menuItem("保存浏览位置(10秒保存一次)"), true);
        host().setTimerPeriod(Timer::时钟2, kPositionSavePeriod);
    } else {
        host().setTimerPeriod(Timer::时钟2, 0);
        host().setMenuChecked(menuItem("保存浏览位置(10秒保存一次)"), false);
    }
}

// The item promises to save the reading place every ten seconds; it is the same record
// the close prompt writes, so the next start offers to jump back to it.
void handlePositionTick() {
    if (reader.documentFile == 0) return;
    writeSettingValue("选择", "选项", intToText(host().getSelectionStart()));
}

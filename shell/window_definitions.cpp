#include "window_definitions.h"

#include "core/lifecycle.h"
#include "core/settings_file.h"
#include "documents/closing.h"
#include "documents/opening.h"
#include "documents/saving.h"
#include "reading/auto_reading.h"
#include "reading/find_text.h"
#include "reading/hotkeys.h"
#include "reading/view_options.h"

namespace {

struct MenuBinding {
    MenuItem item;
    MenuHandler handler;
};

// Items not listed run nothing when chosen.
constexpr MenuBinding kMenuBindings[] = {
    {menuItem("新建"), handleNew},
    {menuItem("打开"), handleOpen},
    {menuItem("保存"), handleSave},
    {menuItem("另存为"), handleSaveAs},
    {menuItem("关闭文档"), handleCloseDocument},
    {menuItem("退出"), handleExit},
    {menuItem("只读"), handleReadOnly},
    {menuItem("前置"), handleAlwaysOnTop},
    {menuItem("查找文本"), handleFindText},
    {menuItem("自动阅读文本"), handleAutoReadToggle},
    {menuItem("保存浏览位置(10秒保存一次)"), handleSavePositionToggle},
    {menuItem("清除上次阅读痕迹"), handleClearTraces},
    {menuItem("加速"), handleFaster},
    {menuItem("减速"), handleSlower},
    {menuItem("加长"), handleLonger},
    {menuItem("减短"), handleShorter},
    {menuItem("字体"), handleFont},
    {menuItem("查看帮助"), handleHelp},
};

} // namespace

MenuHandler menuHandler(MenuItem item) {
    for (const MenuBinding& binding : kMenuBindings) {
        if (binding.item == item) return binding.handler;
    }
    return nullptr;
}

const EventBindings kEvents = {
    .created = handleWindowCreated,
    .canBeClosed = handleCanBeClosed,
    .sizeChanged = handleWindowResized,
    .timerTick = {handleAutoReadTick, handlePositionTick},
    .hotkeyFeedback = handleHotkeyFeedback,
    .fileDropped = handleFileDropped,
    .editorTextChanged = handleEditorTextChanged,
    .findButtonClicked = handleFindButton,
};

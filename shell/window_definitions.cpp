#include "window_definitions.h"

#include "core/lifecycle.h"
#include "core/settings_file.h"
#include "documents/closing.h"
#include "documents/opening.h"
#include "documents/saving.h"

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
    {menuItem("清除上次阅读痕迹"), handleClearTraces},
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
    .sizeChanged = nullptr,
    .timerTick = {nullptr, nullptr},
    .hotkeyFeedback = nullptr,
    .fileDropped = handleFileDropped,
    .editorTextChanged = handleEditorTextChanged,
    .findButtonClicked = nullptr,
};

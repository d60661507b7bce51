#include "window_definitions.h"

#include "core/lifecycle.h"
#include "core/settings_file.h"

namespace {

struct MenuBinding {
    MenuItem item;
    MenuHandler handler;
};

// Items not listed run nothing when chosen.
constexpr MenuBinding kMenuBindings[] = {
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
    .canBeClosed = nullptr,
    .sizeChanged = nullptr,
    .timerTick = {nullptr, nullptr},
    .hotkeyFeedback = nullptr,
    .fileDropped = nullptr,
    .editorTextChanged = nullptr,
    .findButtonClicked = nullptr,
};

// Builds the menu bar and the accelerators from the menu tree and the stored states.
#include "menu_bar.h"

#include <string_view>

namespace {

constexpr int kFirstCommand = 100;

int commandId(int index) {
    return kFirstCommand + index;
}

bool isSeparator(int index) {
    return std::string_view(kMainMenu[index].caption) == "-";
}

// The first index after the item at `index` and everything nested under it.
int subtreeEnd(int index) {
    int end = index + 1;
    while (end < kMainMenuSize && kMainMenu[end].level > kMainMenu[index].level)
        ++end;
    return end;
}

} // namespace

MenuBar::MenuBar() {
    for (const MenuItemDefinition& definition : kMainMenu) {
        items_.push_back({definition.caption, definition.checked, definition.visible});
    }
}

HMENU MenuBar::build() const {
    HMENU bar = CreateMenu();
    appendItems(bar, 0, 0);
    return bar;
}

void MenuBar::appendItems(HMENU menu, int first, int level) const {
    int index = first;
    while (index < kMainMenuSize && kMainMenu[index].level >= level) {
        int end = subtreeEnd(index);
        if (items_[index].visible) appendItem(menu, index, end);
        index = end;
    }
}

void MenuBar::appendItem(HMENU menu, int index, int end) const {
    UINT checked = items_[index].checked ? MF_CHECKED : MF_UNCHECKED;
    if (isSeparator(index)) {
        AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    } else if (end > index + 1) {
        HMENU submenu = CreatePopupMenu();
        appendItems(submenu, index + 1, kMainMenu[index].level + 1);
        AppendMenuA(menu, MF_POPUP | MF_STRING | checked, reinterpret_cast<UINT_PTR>(submenu),
                    label(index).c_str());
    } else {
        AppendMenuA(menu, MF_STRING | checked, commandId(index), label(index).c_str());
    }
}

Text MenuBar::label(int index) const {
    const Shortcut& shortcut = kMainMenu[index].shortcut;
    if (shortcut.virtualKey == 0) return items_[index].caption;
    return items_[index].caption + "\t" + shortcut.name;
}

HACCEL MenuBar::createAccelerators() const {
    std::vector<ACCEL> table;
    for (int index = 0; index < kMainMenuSize; ++index) {
        const Shortcut& shortcut = kMainMenu[index].shortcut;
        if (shortcut.virtualKey == 0) continue;
        // Virtual keys, not characters: the shortcuts then work on any keyboard layout
        // and whatever the state of Caps Lock.
        BYTE flags = FVIRTKEY | (shortcut.ctrl ? FCONTROL : 0);
        table.push_back(
            {flags, static_cast<WORD>(shortcut.virtualKey), static_cast<WORD>(commandId(index))});
    }
    return CreateAcceleratorTableA(table.data(), static_cast<int>(table.size()));
}

std::optional<MenuItem> MenuBar::itemForCommand(int command) {
    int index = command - kFirstCommand;
    if (index < 0 || index >= kMainMenuSize || isSeparator(index)) return std::nullopt;
    return MenuItem{index};
}

bool MenuBar::isChecked(MenuItem item) const {
    return items_[menuIndex(item)].checked;
}

bool MenuBar::setChecked(MenuItem item, bool checked) {
    bool& stored = items_[menuIndex(item)].checked;
    if (stored == checked) return false;
    stored = checked;
    return true;
}

bool MenuBar::setVisible(MenuItem item, bool visible) {
    bool& stored = items_[menuIndex(item)].visible;
    if (stored == visible) return false;
    stored = visible;
    return true;
}

bool MenuBar::setCaption(MenuItem item, const Text& caption) {
    Text& stored = items_[menuIndex(item)].caption;
    if (stored == caption) return false;
    stored = caption;
    return true;
}

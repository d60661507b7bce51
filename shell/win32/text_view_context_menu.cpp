// The context menu of an edit box: undo, cut, copy, paste, delete and select all, each
// enabled only when it would do something.
#include "text_view_control.h"

namespace {

enum MenuCommand : UINT { kUndo = 1, kCut, kCopy, kPaste, kDelete, kSelectAll };

struct MenuEntry {
    UINT command; // 0: a separator
    const char* caption;
};

constexpr MenuEntry kMenu[] = {
    {kUndo, "撤销(&U)"},  {0, nullptr},          {kCut, "剪切(&T)"}, {kCopy, "复制(&C)"},
    {kPaste, "粘贴(&P)"}, {kDelete, "删除(&D)"}, {0, nullptr},       {kSelectAll, "全选(&A)"},
};

} // namespace

void TextViewControl::showContextMenu(POINT screenPoint) {
    if (screenPoint.x == -1 && screenPoint.y == -1) {
        // Asked for from the keyboard: the menu opens at the caret.
        screenPoint = caretClientPoint().value_or(POINT{kTextMargin, 0});
        ClientToScreen(window_, &screenPoint);
    }
    const bool editable = !view_.isReadOnly();
    const bool selection = hasSelection();
    const bool allSelected =
        view_.selectionStart() == 0 && view_.selectionEnd() == view_.textLength();
    const auto enabled = [&](UINT command) {
        switch (command) {
        case kUndo:
            return canUndo();
        case kCut:
        case kDelete:
            return editable && selection;
        case kCopy:
            return selection;
        case kPaste:
            return editable && IsClipboardFormatAvailable(CF_TEXT) != 0;
        default:
            return !allSelected;
        }
    };
    HMENU menu = CreatePopupMenu();
    for (const MenuEntry& entry : kMenu) {
        if (entry.command == 0) {
            AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        } else {
            AppendMenuA(menu, MF_STRING | (enabled(entry.command) ? MF_ENABLED : MF_GRAYED),
                        entry.command, entry.caption);
        }
    }
    const UINT chosen =
        static_cast<UINT>(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY,
                                         screenPoint.x, screenPoint.y, 0, window_, nullptr));
    DestroyMenu(menu);
    switch (chosen) {
    case kUndo:
        undo();
        break;
    case kCut:
        cut();
        break;
    case kCopy:
        copy();
        break;
    case kPaste:
        paste();
        break;
    case kDelete:
        clear();
        break;
    case kSelectAll:
        view_.selectAll();
        refresh();
        break;
    default:
        break;
    }
}

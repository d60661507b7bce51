// The keyboard as an edit box takes it: caret keys with Shift and Ctrl, Delete, the
// clipboard keys, and typed characters, which arrive as bytes (WM_CHAR, a two-byte
// character as its lead byte and then its trail byte) or whole from the input method
// (WM_IME_CHAR).
#include "text_view_control.h"

namespace {

constexpr char kControlA = 0x01;
constexpr char kControlC = 0x03;
constexpr char kBackspace = 0x08;
constexpr char kControlV = 0x16;
constexpr char kControlX = 0x18;
constexpr char kControlZ = 0x1A;

bool held(int key) {
    return GetKeyState(key) < 0;
}

std::optional<CaretMove> caretMoveFor(WPARAM key, bool control) {
    switch (key) {
    case VK_LEFT:
        return control ? CaretMove::WordLeft : CaretMove::CharacterLeft;
    case VK_RIGHT:
        return control ? CaretMove::WordRight : CaretMove::CharacterRight;
    case VK_UP:
        return CaretMove::RowUp;
    case VK_DOWN:
        return CaretMove::RowDown;
    case VK_PRIOR:
        return CaretMove::PageUp;
    case VK_NEXT:
        return CaretMove::PageDown;
    case VK_HOME:
        return control ? CaretMove::TextStart : CaretMove::RowStart;
    case VK_END:
        return control ? CaretMove::TextEnd : CaretMove::RowEnd;
    default:
        return std::nullopt;
    }
}

} // namespace

bool TextViewControl::keyDown(WPARAM key) {
    if (const std::optional<CaretMove> move = caretMoveFor(key, held(VK_CONTROL))) {
        view_.moveCaret(*move, held(VK_SHIFT));
        refresh();
        return true;
    }
    switch (key) {
    case VK_DELETE:
        if (held(VK_SHIFT)) {
            cut();
        } else if (view_.deleteForward()) {
            refresh();
        }
        return true;
    case VK_INSERT:
        if (held(VK_CONTROL)) {
            copy();
        } else if (held(VK_SHIFT)) {
            paste();
        }
        return true;
    default:
        return false;
    }
}

void TextViewControl::character(WPARAM code) {
    const char byte = static_cast<char>(code & 0xFF);
    switch (byte) {
    case kControlA:
        view_.selectAll();
        refresh();
        return;
    case kControlC:
        copy();
        return;
    case kControlV:
        paste();
        return;
    case kControlX:
        cut();
        return;
    case kControlZ:
        undo();
        return;
    case kBackspace:
        if (view_.backspace()) refresh();
        return;
    default:
        // A lead byte changes nothing until its trail byte comes.
        if (view_.typeByte(byte)) refresh();
        return;
    }
}

void TextViewControl::imeCharacter(WPARAM code) {
    // A two-byte character comes whole, its lead byte in the high byte.
    if (code > 0xFF) character((code >> 8) & 0xFF);
    character(code & 0xFF);
}

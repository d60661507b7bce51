// Copying, cutting, pasting and deleting the selection through the clipboard, as text in
// the system's code page (CF_TEXT): the platform converts it for Unicode programs.
#include "text_view_control.h"

#include <cstring>

namespace {

// The CF_TEXT bytes on the clipboard; none when it holds no text.
std::optional<std::string> clipboardText(HWND owner) {
    if (!OpenClipboard(owner)) return std::nullopt;
    std::optional<std::string> text;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const auto* bytes = static_cast<const char*>(GlobalLock(data))) {
            text.emplace(bytes, strnlen(bytes, GlobalSize(data)));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

void putOnClipboard(HWND owner, const std::string& bytes) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size() + 1);
    if (!memory) return;
    auto* target = static_cast<char*>(GlobalLock(memory));
    std::memcpy(target, bytes.data(), bytes.size());
    target[bytes.size()] = '\0';
    GlobalUnlock(memory);
    if (!OpenClipboard(owner)) {
        GlobalFree(memory);
        return;
    }
    EmptyClipboard();
    // Once the clipboard took the memory, it owns it.
    if (!SetClipboardData(CF_TEXT, memory)) GlobalFree(memory);
    CloseClipboard();
}

} // namespace

void TextViewControl::copy() {
    if (hasSelection()) putOnClipboard(window_, view_.selectedText());
}

void TextViewControl::cut() {
    // As an edit control does: a read-only view still copies.
    copy();
    clear();
}

void TextViewControl::clear() {
    if (view_.deleteSelection()) refresh();
}

void TextViewControl::paste() {
    if (view_.isReadOnly()) return;
    const std::optional<std::string> text = clipboardText(window_);
    if (text && view_.insertText(*text)) refresh();
}

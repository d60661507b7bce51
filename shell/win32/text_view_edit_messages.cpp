// The edit control's messages with the meaning they have for an ANSI edit control on a
// Chinese Windows desktop: every position and length counts bytes.
#include "text_view_control.h"

#include <algorithm>

LRESULT TextViewControl::getText(std::size_t capacity, char* buffer) {
    if (!buffer || capacity == 0) return 0;
    const std::size_t length = view_.textLength();
    std::size_t count = std::min(length, capacity - 1);
    // A buffer too small for the whole text gets no half of a character at its end.
    if (count < length) count = view_.characterStart(count);
    view_.copyBytes(0, count, buffer);
    buffer[count] = '\0';
    return static_cast<LRESULT>(count);
}

LRESULT TextViewControl::textLength() const {
    return static_cast<LRESULT>(view_.textLength());
}

void TextViewControl::setText(const char* text) {
    view_.setText(text ? text : "");
    repaintAll_ = true;
    refresh();
}

LRESULT TextViewControl::getSelection(DWORD* start, DWORD* end) const {
    const auto first = static_cast<DWORD>(view_.selectionStart());
    const auto last = static_cast<DWORD>(view_.selectionEnd());
    if (start) *start = first;
    if (end) *end = last;
    // Packed into the result only while both fit in 16 bits, as the edit control does.
    return first > 0xFFFF || last > 0xFFFF ? -1 : static_cast<LRESULT>(MAKELONG(first, last));
}

void TextViewControl::setSelection(int anchor, int caret) {
    if (anchor == -1) {
        // Deselects, leaving the caret where it is.
        view_.select(view_.caret(), view_.caret());
    } else {
        // Other negative positions are read as unsigned, so they mean the text's end.
        const std::size_t end = view_.textLength();
        view_.select(anchor < 0 ? end : static_cast<std::size_t>(anchor),
                     caret < 0 ? end : static_cast<std::size_t>(caret));
    }
    refresh();
}

void TextViewControl::scrollCaretIntoView() {
    view_.scrollCaretIntoView();
    refresh();
}

LRESULT TextViewControl::lineCount() {
    return static_cast<LRESULT>(view_.rowCount());
}

LRESULT TextViewControl::firstVisibleLine() {
    return static_cast<LRESULT>(view_.firstVisibleRow());
}

LRESULT TextViewControl::characterPoint(std::size_t offset) {
    // The text's end is no character: an edit control answers -1 there too.
    if (offset >= view_.textLength()) return -1;
    const std::optional<ViewPoint> at = view_.pointOf({offset, false});
    if (!at) return -1;
    return MAKELONG(static_cast<short>(at->x + kTextMargin), static_cast<short>(at->y));
}

bool TextViewControl::canUndo() const {
    return view_.canUndo() && !view_.isReadOnly();
}

bool TextViewControl::undo() {
    if (!view_.undo()) return false;
    refresh();
    return true;
}

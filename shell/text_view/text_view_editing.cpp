// The user's edits: typing, Enter, Backspace, Delete, pasting and undo.
#include "text_view.h"

#include "shell/text.h"

namespace {

bool isControlByte(char byte) {
    const auto value = static_cast<unsigned char>(byte);
    return value < 0x20 || value == 0x7F;
}

// The bytes up to the first NUL, without a lead byte left unpaired at their end: it
// would pair with whatever byte follows the insertion.
Text wholeCharacters(std::string_view bytes) {
    Text text(bytes.substr(0, bytes.find('\0')));
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t size = characterSize(text, pos);
        if (size == 1 && isLeadByte(text[pos])) text.resize(pos);
        pos += size;
    }
    return text;
}

} // namespace

void TextView::setReadOnly(bool readOnly) {
    readOnly_ = readOnly;
    pendingLeadByte_.reset();
}

bool TextView::typeByte(char byte) {
    if (readOnly_) return false;
    if (pendingLeadByte_) {
        const char pair[] = {*pendingLeadByte_, byte};
        pendingLeadByte_.reset();
        if (!isControlByte(byte)) return replaceSelectionBy({pair, 2}, EditKind::Typing);
    }
    if (isLeadByte(byte)) {
        pendingLeadByte_ = byte;
        return false;
    }
    if (byte == '\r') return pressEnter();
    if (isControlByte(byte)) return false;
    return replaceSelectionBy({&byte, 1}, EditKind::Typing);
}

bool TextView::insertText(std::string_view text) {
    return replaceSelectionBy(text, EditKind::Other);
}

bool TextView::pressEnter() {
    return replaceSelectionBy("\r\n", EditKind::Typing);
}

bool TextView::deleteSelection() {
    return replaceSelectionBy({}, EditKind::Other);
}

bool TextView::backspace() {
    if (readOnly_) return false;
    if (selectionStart() != selectionEnd()) return deleteSelection();
    const std::size_t caret = caret_.offset;
    CharacterSpan gone = layout_.characterAt(caret);
    if (gone.start == caret) {
        if (caret == 0) return false;
        gone = layout_.characterAt(caret - 1);
    }
    applyEdit(EditKind::Backspace, gone.start, gone.end, {});
    return true;
}

bool TextView::deleteForward() {
    if (readOnly_) return false;
    if (selectionStart() != selectionEnd()) return deleteSelection();
    const CharacterSpan gone = layout_.characterAt(caret_.offset);
    if (gone.start == gone.end) return false;
    applyEdit(EditKind::Delete, gone.start, gone.end, {});
    return true;
}

bool TextView::undo() {
    if (readOnly_) return false;
    const std::optional<Edit> reversal = history_.undo();
    if (!reversal) return false;
    const std::size_t from = reversal->position;
    replaceBytes(from, from + reversal->removed.size(), reversal->inserted);
    anchor_ = from;
    caret_ = {from + reversal->inserted.size(), false};
    preferredX_.reset();
    pendingLeadByte_.reset();
    viewport_.reveal(caret_);
    changed();
    return true;
}

bool TextView::replaceSelectionBy(std::string_view bytes, EditKind kind) {
    if (readOnly_) return false;
    const Text inserted = wholeCharacters(bytes);
    // A selection the program left inside a character takes the whole character.
    const std::size_t from = layout_.boundaryAtOrBefore(selectionStart());
    const std::size_t to = layout_.boundaryAtOrAfter(selectionEnd());
    if (from == to && inserted.empty()) return false;
    applyEdit(kind, from, to, inserted);
    return true;
}

void TextView::applyEdit(EditKind kind, std::size_t from, std::size_t to, std::string_view bytes) {
    history_.record(kind, {from, document_.slice(from, to), Text(bytes)});
    replaceBytes(from, to, bytes);
    anchor_ = from + bytes.size();
    caret_ = {anchor_, false};
    preferredX_.reset();
    viewport_.reveal(caret_);
    changed();
}

void TextView::replaceBytes(std::size_t from, std::size_t to, std::string_view bytes) {
    const std::size_t first = document_.paragraphOf(from);
    const std::size_t last = document_.paragraphOf(to);
    const std::size_t editOffset = from - document_.paragraph(first).start;
    const auto paragraphsBefore = static_cast<std::ptrdiff_t>(document_.paragraphCount());
    document_.replace(from, to, bytes);
    const auto paragraphsAfter = static_cast<std::ptrdiff_t>(document_.paragraphCount());
    layout_.textReplaced(first, last, paragraphsAfter - paragraphsBefore, editOffset);
    viewport_.textReplaced(from, to - from, bytes.size());
}

void TextView::changed() {
    if (changeListener_) changeListener_();
}

// The user's caret keys and mouse.
#include "text_view.h"

#include "word_rules.h"

void TextView::placeCaret(TextPosition caret, bool extendSelection) {
    caret_ = caret;
    if (!extendSelection) anchor_ = caret.offset;
    forgetTyping();
    viewport_.reveal(caret_);
}

void TextView::moveCaret(CaretMove move, bool extendSelection) {
    const std::ptrdiff_t pageRows = static_cast<std::ptrdiff_t>(viewport_.pageRows());
    if (move == CaretMove::PageUp) viewport_.scrollRows(-pageRows);
    if (move == CaretMove::PageDown) viewport_.scrollRows(pageRows);
    const Caret moved = movedCaret(layout_, {caret_, preferredX_}, move, viewport_.pageRows());
    placeCaret(moved.position, extendSelection);
    preferredX_ = moved.preferredX;
}

void TextView::click(ViewPoint point, bool extendSelection) {
    placeCaret(positionAt(point), extendSelection);
}

void TextView::selectWordAt(ViewPoint point) {
    const CharacterSpan word = wordAt(layout_, positionAt(point).offset);
    anchor_ = word.start;
    placeCaret({word.end, false}, true);
}

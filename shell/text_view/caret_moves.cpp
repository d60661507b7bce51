#include "caret_moves.h"

#include "row_geometry.h"
#include "word_rules.h"

namespace {

std::size_t characterLeft(RowLayout& layout, std::size_t offset) {
    const std::size_t start = layout.boundaryAtOrBefore(offset);
    if (start < offset || start == 0) return start;
    return layout.characterAt(start - 1).start;
}

std::size_t characterRight(RowLayout& layout, std::size_t offset) {
    return layout.characterAt(layout.boundaryAtOrAfter(offset)).end;
}

// Up or down by `rows` rows to the boundary nearest to the kept x. With no row that
// way the caret stays where it is drawn.
Caret rowsAway(RowLayout& layout, Caret caret, std::ptrdiff_t rows) {
    const RowRef from = layout.rowAt(caret.position);
    const int x =
        caret.preferredX.value_or(xInRow(layout, layout.span(from), caret.position.offset, true));
    const RowWalk walked = layout.walk(from, rows);
    if (walked.steps == 0) {
        return {{layout.boundaryAtOrAfter(caret.position.offset), caret.position.atRowEnd}, x};
    }
    return {positionInRow(layout, layout.span(walked.row), x), x};
}

std::ptrdiff_t page(std::size_t pageRows) {
    return static_cast<std::ptrdiff_t>(pageRows);
}

} // namespace

Caret movedCaret(RowLayout& layout, Caret caret, CaretMove move, std::size_t pageRows) {
    const std::size_t offset = caret.position.offset;
    switch (move) {
    case CaretMove::CharacterLeft:
        return {{characterLeft(layout, offset), false}, std::nullopt};
    case CaretMove::CharacterRight:
        return {{characterRight(layout, offset), false}, std::nullopt};
    case CaretMove::WordLeft:
        return {{previousWordStart(layout, offset), false}, std::nullopt};
    case CaretMove::WordRight:
        return {{nextWordStart(layout, offset), false}, std::nullopt};
    case CaretMove::RowUp:
        return rowsAway(layout, caret, -1);
    case CaretMove::RowDown:
        return rowsAway(layout, caret, 1);
    case CaretMove::PageUp:
        return rowsAway(layout, caret, -page(pageRows));
    case CaretMove::PageDown:
        return rowsAway(layout, caret, page(pageRows));
    case CaretMove::RowStart:
        return {{layout.span(layout.rowAt(caret.position)).start, false}, std::nullopt};
    case CaretMove::RowEnd: {
        const RowSpan row = layout.span(layout.rowAt(caret.position));
        return {{row.end, row.wrapped}, std::nullopt};
    }
    case CaretMove::TextStart:
        return {{0, false}, std::nullopt};
    case CaretMove::TextEnd:
        return {{layout.document().size(), false}, std::nullopt};
    }
    return caret;
}

// Where the user's caret keys take the caret. Every move ends on a character boundary
// (a "\r\n" is crossed in one step), also when the program left the caret inside a
// two-byte character: Right then goes past the character after it, Left to its start.
#pragma once

#include "row_layout.h"

#include <optional>

enum class CaretMove {
    CharacterLeft,
    CharacterRight,
    WordLeft,
    WordRight,
    RowUp,
    RowDown,
    PageUp,
    PageDown,
    RowStart,
    RowEnd,
    TextStart,
    TextEnd,
};

// The caret and the x that up and down moves keep, so that passing a short row does
// not pull the caret to the left for good.
struct Caret {
    TextPosition position;
    std::optional<int> preferredX;
};

Caret movedCaret(RowLayout& layout, Caret caret, CaretMove move, std::size_t pageRows);

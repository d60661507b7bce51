// Horizontal positions within one row, in pixels from the row's left edge.
//
// A selection boundary may fall on the second byte of a two-byte character, because
// the program counts bytes (an auto-read step of 3 from a character start does). Such
// a boundary is drawn outward: a highlight covers every character of which it holds at
// least one byte, and the caret stands after the character it splits.
#pragma once

#include "row_layout.h"

#include <optional>
#include <vector>

// x of `offset` in `row`; a split character counts as passed when `roundUp`, else not.
int xInRow(RowLayout& layout, const RowSpan& row, std::size_t offset, bool roundUp);

// The character boundary of `row` nearest to x. Right of a wrapped row's last character
// it is the row's end, shown at the end of this row.
TextPosition positionInRow(RowLayout& layout, const RowSpan& row, int x);

// Each byte's advance for drawing the row: a character's width on its first byte and 0
// on its second, the form ExtTextOutA takes for a two-byte character.
std::vector<int> byteAdvances(RowLayout& layout, const RowSpan& row);

struct HighlightSpan {
    int left = 0;
    int right = 0;
};

// The part of `row` to draw highlighted for the selection [from, to), if any.
std::optional<HighlightSpan> highlightInRow(RowLayout& layout, const RowSpan& row, std::size_t from,
                                            std::size_t to);

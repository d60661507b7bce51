#include "row_geometry.h"

namespace {

// Calls visit(start, size, width) for each character of the row, left to right, until
// it returns false.
template <typename Visit>
void forEachCharacter(RowLayout& layout, const RowSpan& row, Visit visit) {
    const TextDocument& document = layout.document();
    for (std::size_t pos = row.start; pos < row.end;) {
        const std::size_t size = document.characterSizeAt(pos, row.end);
        if (!visit(pos, size, layout.characterWidth(pos, size))) return;
        pos += size;
    }
}

} // namespace

int xInRow(RowLayout& layout, const RowSpan& row, std::size_t offset, bool roundUp) {
    int x = 0;
    forEachCharacter(layout, row, [&](std::size_t start, std::size_t size, int width) {
        const bool passed = roundUp ? start < offset : start + size <= offset;
        if (passed) x += width;
        return passed;
    });
    return x;
}

TextPosition positionInRow(RowLayout& layout, const RowSpan& row, int x) {
    TextPosition found{row.end, row.wrapped};
    int left = 0;
    forEachCharacter(layout, row, [&](std::size_t start, std::size_t, int width) {
        if (x < left + width / 2) {
            found = {start, false};
            return false;
        }
        left += width;
        return true;
    });
    return found;
}

std::vector<int> byteAdvances(RowLayout& layout, const RowSpan& row) {
    std::vector<int> advances(row.end - row.start, 0);
    forEachCharacter(layout, row, [&](std::size_t start, std::size_t, int width) {
        advances[start - row.start] = width;
        return true;
    });
    return advances;
}

std::optional<HighlightSpan> highlightInRow(RowLayout& layout, const RowSpan& row, std::size_t from,
                                            std::size_t to) {
    if (from >= to || to <= row.start || from >= row.end) return std::nullopt;
    const int left = from <= row.start ? 0 : xInRow(layout, row, from, false);
    const int right = xInRow(layout, row, to, true);
    if (right <= left) return std::nullopt;
    return HighlightSpan{left, right};
}

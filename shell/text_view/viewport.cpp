#include "viewport.h"

#include <algorithm>

namespace {

std::ptrdiff_t signedCount(std::size_t count) {
    return static_cast<std::ptrdiff_t>(count);
}

} // namespace

Viewport::Viewport(RowLayout& layout) : layout_(layout) {
}

void Viewport::setHeight(int pixels) {
    height_ = std::max(pixels, 0);
}

void Viewport::setRowHeight(int pixels) {
    rowHeight_ = std::max(pixels, 1);
}

std::size_t Viewport::pageRows() const {
    return std::max<std::size_t>(static_cast<std::size_t>(height_ / rowHeight_), 1);
}

std::size_t Viewport::shownRows() const {
    return std::max<std::size_t>(static_cast<std::size_t>((height_ + rowHeight_ - 1) / rowHeight_),
                                 1);
}

RowRef Viewport::topRow() {
    // The top offset may have stopped being a row start since the rows were re-wrapped.
    const RowRef row = layout_.rowAt({top_, false});
    top_ = layout_.span(row).start;
    return row;
}

void Viewport::scrollToOffset(std::size_t offset) {
    top_ = std::min(offset, layout_.document().size());
    fillPage();
}

void Viewport::scrollRows(std::ptrdiff_t rows) {
    top_ = layout_.span(layout_.walk(topRow(), rows).row).start;
    fillPage();
}

void Viewport::fillPage() {
    const RowRef top = topRow();
    const std::size_t below = pageRows() - 1;
    const std::size_t found = layout_.walk(top, signedCount(below)).steps;
    if (found == below) return;
    top_ = layout_.span(layout_.walk(top, -signedCount(below - found)).row).start;
}

void Viewport::reveal(TextPosition position) {
    const RowRef target = layout_.rowAt(position);
    const RowRef top = topRow();
    if (layout_.span(target).start < top_) {
        top_ = layout_.span(target).start;
        return;
    }
    RowRef row = top;
    for (std::size_t step = 1; step < pageRows() && row != target; ++step) {
        const std::optional<RowRef> next = layout_.next(row);
        if (!next) break;
        row = *next;
    }
    if (row == target) return;
    top_ = layout_.span(layout_.walk(target, -signedCount(pageRows() - 1)).row).start;
    fillPage();
}

void Viewport::textReplaced(std::size_t from, std::size_t removed, std::size_t inserted) {
    if (top_ <= from) return;
    top_ = top_ >= from + removed ? top_ - removed + inserted : from;
}

ScrollBarState Viewport::scrollBar() {
    const RowRef top = topRow();
    const std::size_t size = layout_.document().size();
    const RowWalk walked = layout_.walk(top, signedCount(pageRows()));
    const std::size_t pageEnd = walked.steps == pageRows() ? layout_.span(walked.row).start : size;
    return {size, pageEnd - top_, top_};
}

std::vector<VisibleRow> Viewport::visibleRows() {
    std::vector<VisibleRow> rows;
    std::optional<RowRef> row = topRow();
    for (std::size_t index = 0; row && index < shownRows(); ++index) {
        const RowSpan span = layout_.span(*row);
        rows.push_back({span.start, span.end, span.wrapped, static_cast<int>(index) * rowHeight_});
        row = layout_.next(*row);
    }
    return rows;
}

RowRef Viewport::rowAtY(int y) {
    const int rows = y >= 0 ? y / rowHeight_ : -((-y + rowHeight_ - 1) / rowHeight_);
    return layout_.walk(topRow(), rows).row;
}

std::optional<int> Viewport::yOfRow(RowRef row) {
    const RowRef top = topRow();
    const bool below = layout_.span(row).start >= top_;
    std::optional<RowRef> at = top;
    for (std::size_t step = 0; at && step <= shownRows(); ++step) {
        if (*at == row) {
            const int y = static_cast<int>(step) * rowHeight_;
            return below ? y : -y;
        }
        at = below ? layout_.next(*at) : layout_.previous(*at);
    }
    return std::nullopt;
}

// The view's text, geometry, the program's selection and what to paint.
#include "text_view.h"

void TextView::setText(std::string_view text) {
    document_.assign(text);
    layout_.forgetAll();
    viewport_.scrollToTop();
    history_.forget();
    anchor_ = 0;
    caret_ = {};
    forgetTyping();
}

void TextView::setFont(CharacterWidths::Measure measure, int rowHeight) {
    layout_.setMeasure(std::move(measure));
    viewport_.setRowHeight(rowHeight);
    viewport_.fillPage();
}

void TextView::setViewSize(int width, int height) {
    layout_.setWrapWidth(width);
    viewport_.setHeight(height);
    viewport_.fillPage();
}

void TextView::select(std::size_t anchor, std::size_t caret) {
    anchor_ = std::min(anchor, document_.size());
    caret_ = {std::min(caret, document_.size()), false};
    forgetTyping();
    viewport_.reveal(caret_);
}

void TextView::selectAll() {
    select(0, document_.size());
}

std::string TextView::selectedText() const {
    return document_.slice(selectionStart(), selectionEnd());
}

void TextView::forgetTyping() {
    preferredX_.reset();
    pendingLeadByte_.reset();
    history_.close();
}

void TextView::scrollPages(std::ptrdiff_t pages) {
    viewport_.scrollRows(pages * static_cast<std::ptrdiff_t>(viewport_.pageRows()));
}

std::vector<int> TextView::byteAdvances(const VisibleRow& row) {
    return ::byteAdvances(layout_, {row.start, row.end, row.wrapped});
}

std::optional<HighlightSpan> TextView::selectionHighlight(const VisibleRow& row) {
    return highlightInRow(layout_, {row.start, row.end, row.wrapped}, selectionStart(),
                          selectionEnd());
}

std::size_t TextView::rowsBefore(RowRef row) {
    std::size_t rows = row.index;
    for (std::size_t paragraph = 0; paragraph < row.paragraph; ++paragraph)
        rows += layout_.rowCount(paragraph);
    return rows;
}

std::size_t TextView::rowCount() {
    const std::size_t last = document_.paragraphCount() - 1;
    return rowsBefore({last, 0}) + layout_.rowCount(last);
}

std::size_t TextView::firstVisibleRow() {
    return rowsBefore(layout_.rowAt({viewport_.visibleRows().front().start, false}));
}

TextPosition TextView::positionAt(ViewPoint point) {
    return positionInRow(layout_, layout_.span(viewport_.rowAtY(point.y)), point.x);
}

std::optional<ViewPoint> TextView::pointOf(TextPosition position) {
    const RowRef row = layout_.rowAt(position);
    const std::optional<int> y = viewport_.yOfRow(row);
    if (!y) return std::nullopt;
    return ViewPoint{xInRow(layout_, layout_.span(row), position.offset, true), *y};
}

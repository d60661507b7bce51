// Which rows the view shows: the top row, kept as the byte offset where it starts so
// that it survives re-wrapping and edits elsewhere, and the rows below it that fit.
// The scroll bar is proportional to byte offsets: exact row counts would mean wrapping
// the whole novel.
#pragma once

#include "row_layout.h"

#include <cstddef>
#include <optional>
#include <vector>

// A point in the view's client area, in pixels; the text starts at 0, 0.
struct ViewPoint {
    int x = 0;
    int y = 0;
};

// A row to paint: its characters and the y of its top edge.
struct VisibleRow {
    std::size_t start = 0;
    std::size_t end = 0;
    bool wrapped = false;
    int y = 0;
};

// In bytes: the range is the text length, the position the top row's start and the
// page what the fully visible rows hold.
struct ScrollBarState {
    std::size_t range = 0;
    std::size_t page = 0;
    std::size_t position = 0;
};

class Viewport {
  public:
    explicit Viewport(RowLayout& layout);

    void setHeight(int pixels);
    void setRowHeight(int pixels);
    int rowHeight() const { return rowHeight_; }
    // Rows wholly inside the view, at least 1.
    std::size_t pageRows() const;

    void scrollToTop() { top_ = 0; }
    // The row holding `offset` goes to the top, as far as the text lets it.
    void scrollToOffset(std::size_t offset);
    void scrollRows(std::ptrdiff_t rows);
    // Scrolls as little as needed to show the row of `position` whole.
    void reveal(TextPosition position);
    // After the text replaced `removed` bytes at `from` by `inserted` bytes.
    void textReplaced(std::size_t from, std::size_t removed, std::size_t inserted);
    // Near the end of the text, moves the top up so that no page shows less text than
    // fits, as after a resize or a deletion.
    void fillPage();

    ScrollBarState scrollBar();
    std::vector<VisibleRow> visibleRows();

    RowRef rowAtY(int y);
    // The y of `row` when it is within a view's height of the visible rows.
    std::optional<int> yOfRow(RowRef row);

  private:
    RowRef topRow();
    std::size_t shownRows() const;

    RowLayout& layout_;
    std::size_t top_ = 0;
    int height_ = 0;
    int rowHeight_ = 1;
};

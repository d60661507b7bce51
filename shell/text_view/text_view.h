// The editor 编辑框1 apart from the platform: a view of GBK bytes that wraps lazily,
// keeps a selection, takes the user's keys, mouse and typing, and tells the platform
// part what to paint. Every position and length counts bytes, as the reader logic does.
//
// Positions set by the program are kept as given, clamped to the text, even when they
// split a two-byte character (row_geometry.h says how that is drawn); the user's own
// moves and edits always work on whole characters.
#pragma once

#include "caret_moves.h"
#include "edit_history.h"
#include "row_geometry.h"
#include "text_document.h"
#include "viewport.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class TextView {
  public:
    TextView() = default;
    TextView(const TextView&) = delete;
    TextView& operator=(const TextView&) = delete;

    // Replaces the whole text: the selection goes to 0, the view to the top and the undo
    // record is forgotten. Raises no change notice: the host raises its own event.
    void setText(std::string_view text);
    std::string text() const { return document_.text(); }
    std::size_t textLength() const { return document_.size(); }
    std::string bytes(std::size_t from, std::size_t to) const { return document_.slice(from, to); }
    // The bytes [from, to) straight into the platform's buffer `out`: a novel is handed
    // out without a copy in between.
    void copyBytes(std::size_t from, std::size_t to, char* out) const {
        document_.copy(from, to, out);
    }

    // How wide each character is and how tall a row; forgets the wrapping done so far.
    // `measure` is kept and asked about each character the first time it is laid out.
    void setFont(CharacterWidths::Measure measure, int rowHeight);
    // The text area: rows wrap at `width` pixels, and `height` decides how many show.
    void setViewSize(int width, int height);
    int rowHeight() const { return viewport_.rowHeight(); }

    // The program's selection: from `anchor` to `caret`, each clamped to the text; the
    // caret is scrolled into view.
    void select(std::size_t anchor, std::size_t caret);
    void selectAll();
    std::size_t anchor() const { return anchor_; }
    std::size_t caret() const { return caret_.offset; }
    std::size_t selectionStart() const { return std::min(anchor_, caret_.offset); }
    std::size_t selectionEnd() const { return std::max(anchor_, caret_.offset); }
    std::string selectedText() const;
    // The start of the character that holds `offset`: the offset itself where one starts,
    // else the start of the two-byte character or the CR LF that it splits.
    std::size_t characterStart(std::size_t offset) { return layout_.boundaryAtOrBefore(offset); }

    // The user's keys and mouse. Without `extendSelection` the selection collapses onto
    // the moved caret; with it (Shift) the anchor stays.
    void moveCaret(CaretMove move, bool extendSelection);
    void click(ViewPoint point, bool extendSelection);
    // A double-click: selects the word there (word_rules.h).
    void selectWordAt(ViewPoint point);

    // User edits; each returns whether the text changed. All are refused while read-only.
    void setReadOnly(bool readOnly);
    bool isReadOnly() const { return readOnly_; }
    // One byte of a typed character, as WM_CHAR delivers it: a lead byte waits for its
    // trail byte and the two go in as one character. Enter ('\r') inserts "\r\n"; other
    // control bytes, Tab included, are not typed.
    bool typeByte(char byte);
    // Replaces the selection, as pasting does. The bytes are taken up to a NUL, and a
    // lead byte left without its trail at their end is dropped.
    bool insertText(std::string_view text);
    bool pressEnter();
    bool backspace();
    bool deleteForward();
    bool deleteSelection();
    bool undo();
    bool canUndo() const { return history_.canUndo(); }
    // Called once after every change the user makes (undo included).
    void setChangeListener(std::function<void()> listener) {
        changeListener_ = std::move(listener);
    }

    void scrollRows(std::ptrdiff_t rows) { viewport_.scrollRows(rows); }
    void scrollPages(std::ptrdiff_t pages);
    void scrollToOffset(std::size_t offset) { viewport_.scrollToOffset(offset); }
    void scrollCaretIntoView() { viewport_.reveal(caret_); }
    ScrollBarState scrollBar() { return viewport_.scrollBar(); }

    std::vector<VisibleRow> visibleRows() { return viewport_.visibleRows(); }
    // Rows counted from the text's start: all of them, and those above the top row. Both
    // wrap every paragraph they pass, so they cost time in proportion to the text; they
    // answer tools that ask for line numbers, never the painting.
    std::size_t rowCount();
    std::size_t firstVisibleRow();
    std::vector<int> byteAdvances(const VisibleRow& row);
    std::optional<HighlightSpan> selectionHighlight(const VisibleRow& row);
    TextPosition positionAt(ViewPoint point);
    // Where a caret at `position` is drawn: the top of a row-high line at x. None when
    // the position is more than a view's height out of sight.
    std::optional<ViewPoint> pointOf(TextPosition position);
    std::optional<ViewPoint> caretPoint() { return pointOf(caret_); }

  private:
    std::size_t rowsBefore(RowRef row);
    void placeCaret(TextPosition caret, bool extendSelection);
    void forgetTyping();
    bool replaceSelectionBy(std::string_view bytes, EditKind kind);
    void applyEdit(EditKind kind, std::size_t from, std::size_t to, std::string_view bytes);
    void replaceBytes(std::size_t from, std::size_t to, std::string_view bytes);
    void changed();

    TextDocument document_;
    RowLayout layout_{document_};
    Viewport viewport_{layout_};
    std::size_t anchor_ = 0;
    TextPosition caret_;
    std::optional<int> preferredX_;
    std::optional<char> pendingLeadByte_;
    bool readOnly_ = false;
    EditHistory history_;
    std::function<void()> changeListener_;
};

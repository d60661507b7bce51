// The text wrapped into rows, laid out lazily: a paragraph's rows are found only as far
// as someone asks, then remembered until its text, the wrap width or the font changes.
// Nothing here walks the whole document, so a position deep in a 50 MB novel costs what
// a position in a short note costs, and a paragraph of a megabyte is wrapped once.
#pragma once

#include "character_widths.h"
#include "text_document.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <unordered_map>
#include <vector>

// A row: its paragraph and its number within that paragraph.
struct RowRef {
    std::size_t paragraph = 0;
    std::size_t index = 0;
    bool operator==(const RowRef&) const = default;
};

// The characters of a row, from `start` to `end`; `wrapped` when the paragraph goes on
// in the next row, which then starts at `end`.
struct RowSpan {
    std::size_t start = 0;
    std::size_t end = 0;
    bool wrapped = false;
};

// The bytes of one character, or of one line break ("\r\n" counts as one); empty at
// the end of the text.
struct CharacterSpan {
    std::size_t start = 0;
    std::size_t end = 0;
};

// A byte offset. Where a row wraps, its end and the next row's start are the same
// offset; `atRowEnd` shows it at the end of the upper row instead of the start of the
// lower one.
struct TextPosition {
    std::size_t offset = 0;
    bool atRowEnd = false;
};

// Where a walk over rows stopped and how many rows it went.
struct RowWalk {
    RowRef row;
    std::size_t steps = 0;
};

class RowLayout {
  public:
    explicit RowLayout(const TextDocument& document);

    const TextDocument& document() const { return document_; }

    // Each forgets every row found so far.
    void setMeasure(CharacterWidths::Measure measure);
    void setWrapWidth(int width);
    void forgetAll() { paragraphs_.clear(); }

    // After the document replaced bytes that lay in the paragraphs first to last
    // (numbered as before the edit), changing the paragraph count by `paragraphDelta`;
    // `editOffset` is where the edit began, counted from the first one's start.
    void textReplaced(std::size_t first, std::size_t last, std::ptrdiff_t paragraphDelta,
                      std::size_t editOffset);

    RowRef rowAt(TextPosition position);
    RowSpan span(RowRef row);
    std::optional<RowRef> next(RowRef row);
    std::optional<RowRef> previous(RowRef row);
    // Up to |rows| rows down (positive) or up (negative), stopping at either end.
    RowWalk walk(RowRef row, std::ptrdiff_t rows);
    // How many rows the paragraph wraps into. Rows found for the count are not kept, so
    // counting a whole novel holds no more memory than showing one screen of it.
    std::size_t rowCount(std::size_t paragraph);

    CharacterSpan characterAt(std::size_t offset);
    // The offset itself when it starts a character, else the start of the one holding it.
    std::size_t boundaryAtOrBefore(std::size_t offset) { return characterAt(offset).start; }
    // The offset itself when it starts a character, else the end of the one holding it.
    std::size_t boundaryAtOrAfter(std::size_t offset);
    int characterWidth(std::size_t pos, std::size_t size);

  private:
    // Row starts counted from the paragraph's start; the first is always 0.
    struct ParagraphRows {
        std::vector<std::uint32_t> starts{0};
        bool complete = false;
    };

    // Valid until rows of another paragraph are asked for.
    ParagraphRows& rowsOf(std::size_t paragraph);
    void layOutNextRow(std::size_t paragraph, ParagraphRows& rows);
    // Lays out rows until one starts beyond `offset` or the paragraph is done.
    ParagraphRows& rowsPast(std::size_t paragraph, std::size_t offset);
    // Lays out rows until row `index` + 1 exists or the paragraph is done.
    ParagraphRows& rowsThrough(std::size_t paragraph, std::size_t index);

    const TextDocument& document_;
    CharacterWidths widths_;
    int wrapWidth_ = 0;
    std::unordered_map<std::size_t, ParagraphRows> paragraphs_;
};

// The text of the view: its bytes and its hard lines (paragraphs), kept in step by
// every edit.
#pragma once

#include "gap_buffer.h"
#include "line_index.h"

#include <cstddef>
#include <string>
#include <string_view>

// One hard line: its characters run from `start` to `contentEnd`, then its line break
// (none for the last one) up to `end`, where the next one starts.
struct Paragraph {
    std::size_t start = 0;
    std::size_t contentEnd = 0;
    std::size_t end = 0;
};

class TextDocument {
  public:
    TextDocument();

    void assign(std::string_view text);
    std::string text() const { return bytes_.text(); }
    std::string slice(std::size_t from, std::size_t to) const { return bytes_.slice(from, to); }
    void copy(std::size_t from, std::size_t to, char* out) const { bytes_.copy(from, to, out); }
    std::size_t size() const { return bytes_.size(); }
    char at(std::size_t pos) const { return bytes_.at(pos); }

    void replace(std::size_t from, std::size_t to, std::string_view bytes);

    std::size_t paragraphCount() const { return lines_.count(); }
    std::size_t paragraphOf(std::size_t pos) const { return lines_.lineOf(pos); }
    Paragraph paragraph(std::size_t index) const;

    // Bytes of the character at `pos`, which lies before `limit`, the end of the
    // characters of its paragraph or row: a lead byte pairs with the byte after it as
    // long as that one is still before `limit`.
    std::size_t characterSizeAt(std::size_t pos, std::size_t limit) const;

  private:
    GapBuffer bytes_;
    LineIndex lines_;
};

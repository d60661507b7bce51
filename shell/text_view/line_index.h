// Where each hard line of the text starts: at 0 and after every line break. "\r\n" is
// one break; a lone "\r" or "\n" is a break of its own. A line break byte always
// breaks, even right after a byte of 0x80 or above (which then stands alone), so that
// a line never depends on what came before it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

class LineIndex {
  public:
    // One pass over the whole text.
    void rebuild(std::string_view text);

    // After the bytes [from, from + removed) were replaced by `inserted` bytes. `window`
    // holds the new text from max(from, 1) - 1 up to the end of the inserted bytes, and
    // `following` is the byte after them ('\0' at the end of the text).
    void replace(std::size_t from, std::size_t removed, std::size_t inserted,
                 std::string_view window, char following);

    std::size_t count() const { return starts_.size(); }
    std::size_t start(std::size_t line) const { return starts_[line]; }
    // The line that holds `pos`: the last one starting at or before it.
    std::size_t lineOf(std::size_t pos) const;

  private:
    bool holds(std::size_t line, std::size_t pos) const;

    // Offsets are kept in 32 bits: the host counts positions in ints, and a novel has
    // hundreds of thousands of lines.
    using Start = std::uint32_t;
    std::vector<Start> starts_{0};
    // Lookups cluster around the caret and the top of the view, so the last answer and
    // its neighbours are tried before searching: the auto-read step then costs the same
    // in a long novel as in a short note.
    mutable std::size_t lastFound_ = 0;
};

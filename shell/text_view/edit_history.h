// The single level of undo of the classic edit control: Ctrl+Z takes back the last
// edit, and a second Ctrl+Z puts it back. Typing a run of characters, or a run of
// Backspaces or Deletes, is one edit until the caret is moved some other way.
#pragma once

#include "shell/text.h"

#include <cstddef>
#include <optional>

enum class EditKind { Typing, Backspace, Delete, Other };

// `removed` bytes at `position` were replaced by `inserted` ones.
struct Edit {
    std::size_t position = 0;
    Text removed;
    Text inserted;
};

class EditHistory {
  public:
    void record(EditKind kind, Edit edit);
    // The next edit starts a new record instead of growing the last one.
    void close() { open_ = false; }
    void forget() { last_.reset(); }
    bool canUndo() const { return last_.has_value(); }

    // The edit that takes the last one back (none when there is none); from then on the
    // record is that reversal, so undoing again redoes.
    std::optional<Edit> undo();

  private:
    bool continues(EditKind kind, const Edit& edit) const;

    std::optional<Edit> last_;
    EditKind kind_ = EditKind::Other;
    bool open_ = false;
};

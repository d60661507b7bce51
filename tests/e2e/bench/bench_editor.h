// The editor under measurement: our text view or the platform's EDIT control, as the child
// of a plain window, with the reader's editor's size, styles and font, and the focus.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

enum class EditorKind { textView, editControl };

class BenchEditor {
  public:
    explicit BenchEditor(EditorKind kind);
    ~BenchEditor();
    BenchEditor(const BenchEditor&) = delete;
    BenchEditor& operator=(const BenchEditor&) = delete;

    HWND handle() const { return editor_; }

    // A byte offset of `text` in the control's own positions: bytes for our view (and for
    // Windows' own edit control), characters for Wine's edit control.
    std::size_t position(std::string_view text, std::size_t byteOffset) const;

    // Handles whatever input and painting is waiting, as the reader's event loop would.
    void settle() const;

  private:
    HWND frame_ = nullptr;
    HWND editor_ = nullptr;
    HFONT font_ = nullptr;
    bool countsCharacters_ = false;
};

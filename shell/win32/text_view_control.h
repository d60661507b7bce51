// One window of the class "VellumryTextView": the TextView it shows and what the
// platform needs around it (font, caret, scroll bar, mouse capture, clipboard). The
// window procedure (text_view_window.cpp) turns each message into one call here.
#pragma once

#include "shell/text_view/text_view.h"

#include <windows.h>

#include <optional>
#include <string_view>

// Blank pixels left and right of the text, as an edit control leaves them; the text's
// own coordinates (ViewPoint) start inside the left one.
inline constexpr int kTextMargin = 2;

class TextViewControl {
  public:
    TextViewControl(HWND window, const CREATESTRUCTA& create);
    ~TextViewControl();
    TextViewControl(const TextViewControl&) = delete;
    TextViewControl& operator=(const TextViewControl&) = delete;

    // Font, size, focus and read-only (text_view_control.cpp).
    void setFont(HFONT font);
    HFONT font() const { return font_; }
    void resized();
    void focusGained();
    void focusLost();
    void setReadOnly(bool readOnly);
    void styleChanged();

    void paint(); // text_view_paint.cpp

    // The edit control's messages (text_view_edit_messages.cpp).
    LRESULT getText(std::size_t capacity, char* buffer);
    LRESULT textLength() const;
    void setText(const char* text);
    LRESULT getSelection(DWORD* start, DWORD* end) const;
    void setSelection(int anchor, int caret);
    void scrollCaretIntoView();
    LRESULT lineCount();
    LRESULT firstVisibleLine();
    LRESULT characterPoint(std::size_t offset);
    bool canUndo() const;
    bool undo();

    // The clipboard and the context menu (text_view_clipboard.cpp, text_view_context_menu.cpp).
    void copy();
    void cut();
    void paste();
    void clear();
    void showContextMenu(POINT screenPoint);

    // Keys and input method (text_view_keys.cpp).
    bool keyDown(WPARAM key);
    void character(WPARAM code);
    void imeCharacter(WPARAM code);
    void compositionStarted();
    void compositionEnded();

    // Mouse and scroll bar (text_view_mouse.cpp).
    void buttonDown(POINT point);
    void doubleClick(POINT point);
    void mouseMoved(POINT point);
    void buttonUp();
    void captureLost();
    void autoScrollTick();
    void wheel(int delta);
    void scrollBarRequest(WORD request);

  private:
    // Measures and draws with `font`, the system font when it is null.
    void applyFont(HFONT font);
    // After anything that may have moved the text, the caret or the selection: the
    // scroll bar, the caret and the picture follow the view.
    void refresh();
    // Invalidates what looks different since the last refresh: everything after a change
    // of the text, its layout or its look, or a scroll; only the rows that the old and the
    // new selection touch when the selection alone moved, as an auto-read step does.
    void invalidateChanges();
    void updateScrollBar();
    void updateCaret();
    void placeCompositionWindow();
    void notifyParent(WORD code);
    bool selectionShown() const;
    bool hasSelection() const { return view_.selectionStart() != view_.selectionEnd(); }
    ViewPoint viewPoint(POINT client) const;
    std::optional<POINT> caretClientPoint();
    // The background brush, with the text and background colours set in `dc`, asked of
    // the parent with the message an edit control sends.
    HBRUSH colours(HDC dc) const;
    void drawRow(HDC dc, const VisibleRow& row, bool selected);

    HWND window_;
    TextView view_;
    HFONT font_ = nullptr;
    // Kept with the font selected: the view measures characters through it as it wraps.
    HDC measuring_ = nullptr;
    bool focused_ = false;
    bool caretShown_ = false;
    bool composing_ = false;
    bool dragging_ = false;
    POINT dragPoint_{};
    int wheelRemainder_ = 0;
    // What the scroll bar shows, so that it is redrawn only when that changes.
    SCROLLINFO shownScrollBar_{};

    // What the window shows apart from the text itself.
    struct Shown {
        std::size_t top = 0;
        std::size_t selectionStart = 0;
        std::size_t selectionEnd = 0;
        bool selectionDrawn = false;
    };
    Shown shown_;
    // Set by every change of the text, the font, the size or the colours.
    bool repaintAll_ = true;
};

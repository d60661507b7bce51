// The main window's editor 编辑框1: a window of our text view class, which holds the GBK
// bytes itself, so every position here is a byte offset as the services count them.
// Everything that knows how the editor is made stays behind this class.
#pragma once

#include "shell/control_rules.h"
#include "shell/window_definitions.h"

#include <windows.h>

#include <optional>

class EditorControl {
  public:
    EditorControl() = default;
    EditorControl(const EditorControl&) = delete;
    EditorControl& operator=(const EditorControl&) = delete;
    ~EditorControl();

    bool create(HWND parent, const ControlDefinition& place, int controlId,
                const EditorDefinition& look);
    HWND handle() const { return window_; }

    // Whether a WM_COMMAND notification says that the user changed the editor's text.
    bool isTextChangeNotification(HWND control, int code) const;

    Text text() const;
    int textLength() const;
    // Raises no change notification: the caller decides what the replacement means.
    void replaceText(const Text& text);

    int selectionStart() const;
    // Selects from anchor to caret; the view scrolls the caret into view itself.
    void select(SelectionRange range);

    void setReadOnly(bool readOnly);

    LOGFONTA font() const;
    // The editor takes a font made from `description` and gives up the one it had.
    void setFont(const LOGFONTA& description);
    void setTextColour(COLORREF colour);
    // The answer to WM_CTLCOLOREDIT and WM_CTLCOLORSTATIC (sent while read-only) when
    // `control` is the editor.
    std::optional<HBRUSH> colours(HWND control, HDC dc) const;

    void focus();
    SIZE outerSize() const;
    void setOuterSize(SIZE size);

  private:
    HWND window_ = nullptr;
    HFONT font_ = nullptr;
    HBRUSH background_ = nullptr;
    COLORREF textColour_ = 0;
    COLORREF backgroundColour_ = 0;
};

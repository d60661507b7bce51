// The main window's editor 编辑框1. For now it is the platform's multi-line edit control;
// everything that knows this stays behind this class, whose positions are GBK byte
// offsets whatever the control counts in, so a text view of our own can replace it
// without touching the services built on it.
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

    // Whether a WM_COMMAND notification says that the editor's text changed.
    bool isTextChangeNotification(HWND control, int code) const;
    // Every change of the text must come through here or replaceText.
    void forgetText();
    // Keys the control must not see: Enter while read-only, which would move the caret.
    bool swallowsKey(const MSG& message) const;

    Text text();
    int textLength();
    // The replacement raises the control's own change notification; the caller decides
    // what it means.
    void replaceText(const Text& text);

    int selectionStart();
    // Selects from anchor to caret and scrolls the caret into view.
    void select(SelectionRange range);

    bool isReadOnly() const;
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
    const Text& cachedText();
    int toControlUnits(int bytes);
    int toBytes(int units);

    HWND window_ = nullptr;
    HFONT font_ = nullptr;
    HBRUSH background_ = nullptr;
    COLORREF textColour_ = 0;
    COLORREF backgroundColour_ = 0;
    // The control counts characters rather than bytes (as Wine's does), so positions
    // are translated through the text.
    bool countsCharacters_ = false;
    std::optional<Text> text_;
};

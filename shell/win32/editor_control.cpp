// The editor as a window of the text view class: wraps at its width, scrolls vertically
// only, hides its selection while unfocused and has no length limit. The styles that an
// edit control would read tell tools the same: multi-line, vertical scroll bar, no border.
#include "editor_control.h"

#include "screen.h"
#include "text_view_window.h"
#include "window_text.h"

EditorControl::~EditorControl() {
    if (font_) DeleteObject(font_);
    if (background_) DeleteObject(background_);
}

bool EditorControl::create(HWND parent, const ControlDefinition& place, int controlId,
                           const EditorDefinition& look) {
    if (!registerTextViewClass()) return false;
    textColour_ = static_cast<COLORREF>(look.textColour);
    backgroundColour_ = static_cast<COLORREF>(look.backgroundColour);
    background_ = CreateSolidBrush(backgroundColour_);
    DWORD style = WS_CHILD | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_LEFT |
                  (place.visible ? WS_VISIBLE : 0);
    window_ = CreateWindowExA(0, kTextViewClass, "", style, place.left, place.top, place.width,
                              place.height, parent, reinterpret_cast<HMENU>(INT_PTR{controlId}),
                              GetModuleHandleA(nullptr), nullptr);
    return window_ != nullptr;
}

bool EditorControl::isTextChangeNotification(HWND control, int code) const {
    return control == window_ && code == EN_CHANGE;
}

Text EditorControl::text() const {
    return windowText(window_);
}

int EditorControl::textLength() const {
    return static_cast<int>(SendMessageA(window_, WM_GETTEXTLENGTH, 0, 0));
}

void EditorControl::replaceText(const Text& text) {
    SetWindowTextA(window_, text.c_str());
}

int EditorControl::selectionStart() const {
    DWORD start = 0;
    SendMessageA(window_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    return static_cast<int>(start);
}

void EditorControl::select(SelectionRange range) {
    SendMessageA(window_, EM_SETSEL, static_cast<WPARAM>(range.anchor),
                 static_cast<LPARAM>(range.caret));
}

void EditorControl::setReadOnly(bool readOnly) {
    SendMessageA(window_, EM_SETREADONLY, readOnly, 0);
}

LOGFONTA EditorControl::font() const {
    HGDIOBJ current = reinterpret_cast<HGDIOBJ>(SendMessageA(window_, WM_GETFONT, 0, 0));
    if (!current) current = GetStockObject(DEFAULT_GUI_FONT);
    LOGFONTA description{};
    GetObjectA(current, sizeof(description), &description);
    return description;
}

void EditorControl::setFont(const LOGFONTA& description) {
    HFONT created = CreateFontIndirectA(&description);
    if (!created) return;
    SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(created), TRUE);
    if (font_) DeleteObject(font_);
    font_ = created;
}

void EditorControl::setTextColour(COLORREF colour) {
    textColour_ = colour;
    InvalidateRect(window_, nullptr, FALSE);
}

std::optional<HBRUSH> EditorControl::colours(HWND control, HDC dc) const {
    if (control != window_) return std::nullopt;
    SetTextColor(dc, textColour_);
    SetBkColor(dc, backgroundColour_);
    return background_;
}

void EditorControl::focus() {
    SetFocus(window_);
}

SIZE EditorControl::outerSize() const {
    return ::outerSize(window_);
}

void EditorControl::setOuterSize(SIZE size) {
    SetWindowPos(window_, nullptr, 0, 0, size.cx, size.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

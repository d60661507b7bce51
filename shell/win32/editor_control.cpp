// The editor as a standard EDIT control: wraps at its width, scrolls vertically only,
// hides its selection while unfocused and has no length limit.
#include "editor_control.h"

#include "screen.h"
#include "window_text.h"

#include <algorithm>

namespace {

// Whether the platform's edit control counts a two-byte character as one position.
// Windows keeps an ANSI control's text as bytes; Wine keeps UTF-16 and counts characters.
bool editControlCountsCharacters() {
    HWND probe = CreateWindowExA(0, "EDIT", "中", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    SendMessageA(probe, EM_SETSEL, 0, -1);
    DWORD end = 0;
    SendMessageA(probe, EM_GETSEL, 0, reinterpret_cast<LPARAM>(&end));
    DestroyWindow(probe);
    return end == 1;
}

std::size_t characterBytes(const Text& text, std::size_t pos) {
    return IsDBCSLeadByte(static_cast<BYTE>(text[pos])) && pos + 1 < text.size() ? 2 : 1;
}

} // namespace

EditorControl::~EditorControl() {
    if (font_) DeleteObject(font_);
    if (background_) DeleteObject(background_);
}

bool EditorControl::create(HWND parent, const ControlDefinition& place, int controlId,
                           const EditorDefinition& look) {
    countsCharacters_ = editControlCountsCharacters();
    textColour_ = static_cast<COLORREF>(look.textColour);
    backgroundColour_ = static_cast<COLORREF>(look.backgroundColour);
    background_ = CreateSolidBrush(backgroundColour_);
    DWORD style = WS_CHILD | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_LEFT |
                  (place.visible ? WS_VISIBLE : 0);
    window_ = CreateWindowExA(0, "EDIT", "", style, place.left, place.top, place.width,
                              place.height, parent, reinterpret_cast<HMENU>(INT_PTR{controlId}),
                              GetModuleHandleA(nullptr), nullptr);
    if (!window_) return false;
    SendMessageA(window_, EM_SETLIMITTEXT, 0, 0);
    return true;
}

bool EditorControl::isTextChangeNotification(HWND control, int code) const {
    return control == window_ && code == EN_CHANGE;
}

void EditorControl::forgetText() {
    text_.reset();
}

bool EditorControl::swallowsKey(const MSG& message) const {
    if (message.hwnd != window_ || !isReadOnly()) return false;
    bool enterDown = message.message == WM_KEYDOWN && message.wParam == VK_RETURN;
    bool lineBreak =
        message.message == WM_CHAR && (message.wParam == '\r' || message.wParam == '\n');
    return enterDown || lineBreak;
}

const Text& EditorControl::cachedText() {
    if (!text_) text_ = windowText(window_);
    return *text_;
}

Text EditorControl::text() {
    return cachedText();
}

int EditorControl::textLength() {
    return static_cast<int>(cachedText().size());
}

void EditorControl::replaceText(const Text& text) {
    SetWindowTextA(window_, text.c_str());
    // Read back rather than kept: the control may not hold exactly the bytes it was given.
    forgetText();
}

int EditorControl::toControlUnits(int bytes) {
    if (!countsCharacters_) return bytes;
    const Text& text = cachedText();
    int units = 0;
    for (std::size_t pos = 0; pos < text.size() && pos < static_cast<std::size_t>(bytes); ++units) {
        pos += characterBytes(text, pos);
    }
    return units;
}

int EditorControl::toBytes(int units) {
    if (!countsCharacters_) return units;
    const Text& text = cachedText();
    std::size_t pos = 0;
    for (int unit = 0; unit < units && pos < text.size(); ++unit)
        pos += characterBytes(text, pos);
    return static_cast<int>(std::min(pos, text.size()));
}

int EditorControl::selectionStart() {
    DWORD start = 0;
    SendMessageA(window_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    return toBytes(static_cast<int>(start));
}

void EditorControl::select(SelectionRange range) {
    SendMessageA(window_, EM_SETSEL, static_cast<WPARAM>(toControlUnits(range.anchor)),
                 static_cast<LPARAM>(toControlUnits(range.caret)));
    SendMessageA(window_, EM_SCROLLCARET, 0, 0);
}

bool EditorControl::isReadOnly() const {
    return (GetWindowLongA(window_, GWL_STYLE) & ES_READONLY) != 0;
}

void EditorControl::setReadOnly(bool readOnly) {
    SendMessageA(window_, EM_SETREADONLY, readOnly, 0);
    InvalidateRect(window_, nullptr, TRUE);
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
    InvalidateRect(window_, nullptr, TRUE);
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

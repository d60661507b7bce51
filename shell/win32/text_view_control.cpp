// The view's font, size, focus, read-only state, and the caret and scroll bar that
// follow the TextView after every change.
#include "text_view_control.h"

#include <imm.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

// Control bytes are drawn as spaces (text_view_paint.cpp); a tab as wide as four.
constexpr int kTabSpaces = 4;

int measureCharacter(HDC dc, std::string_view character) {
    if (character.size() == 1 && static_cast<unsigned char>(character[0]) < 0x20) {
        SIZE space{};
        GetTextExtentPoint32A(dc, " ", 1, &space);
        return character[0] == '\t' ? kTabSpaces * space.cx : space.cx;
    }
    SIZE size{};
    GetTextExtentPoint32A(dc, character.data(), static_cast<int>(character.size()), &size);
    return size.cx;
}

int caretWidth() {
    DWORD width = 1;
    SystemParametersInfoA(SPI_GETCARETWIDTH, 0, &width, 0);
    return static_cast<int>(std::max<DWORD>(width, 1));
}

bool sameScrollBar(const SCROLLINFO& a, const SCROLLINFO& b) {
    return a.nMax == b.nMax && a.nPage == b.nPage && a.nPos == b.nPos;
}

// What the scroll bar looks like: where its thumb is drawn and whether it is enabled.
struct ScrollBarLook {
    int thumbTop = 0;
    int thumbBottom = 0;
    DWORD state = 0;
    bool operator==(const ScrollBarLook&) const = default;
};

ScrollBarLook scrollBarLook(HWND window) {
    SCROLLBARINFO info{};
    info.cbSize = sizeof(info);
    GetScrollBarInfo(window, OBJID_VSCROLL, &info);
    return {info.xyThumbTop, info.xyThumbBottom, info.rgstate[0]};
}

} // namespace

TextViewControl::TextViewControl(HWND window, const CREATESTRUCTA& create)
    : window_(window), measuring_(CreateCompatibleDC(nullptr)) {
    view_.setChangeListener([this] {
        repaintAll_ = true;
        notifyParent(EN_CHANGE);
    });
    view_.setReadOnly((create.style & ES_READONLY) != 0);
    applyFont(nullptr);
    if (create.lpszName) view_.setText(create.lpszName);
}

TextViewControl::~TextViewControl() {
    DeleteDC(measuring_);
}

void TextViewControl::applyFont(HFONT font) {
    font_ = font;
    SelectObject(measuring_, font ? static_cast<HGDIOBJ>(font) : GetStockObject(SYSTEM_FONT));
    TEXTMETRICA metrics{};
    GetTextMetricsA(measuring_, &metrics);
    HDC dc = measuring_;
    view_.setFont([dc](std::string_view character) { return measureCharacter(dc, character); },
                  metrics.tmHeight);
    repaintAll_ = true;
}

void TextViewControl::setFont(HFONT font) {
    applyFont(font);
    if (focused_) {
        // The caret is as high as a row of the new font.
        DestroyCaret();
        CreateCaret(window_, nullptr, caretWidth(), view_.rowHeight());
        caretShown_ = false;
    }
    refresh();
}

void TextViewControl::resized() {
    RECT client{};
    GetClientRect(window_, &client);
    view_.setViewSize(std::max<int>(client.right - 2 * kTextMargin, 0), client.bottom);
    repaintAll_ = true;
    refresh();
}

void TextViewControl::focusGained() {
    focused_ = true;
    CreateCaret(window_, nullptr, caretWidth(), view_.rowHeight());
    caretShown_ = false;
    refresh();
}

void TextViewControl::focusLost() {
    focused_ = false;
    composing_ = false;
    DestroyCaret();
    caretShown_ = false;
    // The selection is hidden while another window has the focus.
    refresh();
}

void TextViewControl::setReadOnly(bool readOnly) {
    const LONG_PTR style = GetWindowLongPtrA(window_, GWL_STYLE);
    SetWindowLongPtrA(window_, GWL_STYLE, readOnly ? style | ES_READONLY : style & ~ES_READONLY);
    styleChanged();
}

void TextViewControl::styleChanged() {
    // Tools may set the style bit themselves; the view follows it either way.
    view_.setReadOnly((GetWindowLongPtrA(window_, GWL_STYLE) & ES_READONLY) != 0);
    // Read-only text takes the colours of a static control.
    repaintAll_ = true;
    refresh();
}

bool TextViewControl::selectionShown() const {
    return focused_ || (GetWindowLongPtrA(window_, GWL_STYLE) & ES_NOHIDESEL) != 0;
}

ViewPoint TextViewControl::viewPoint(POINT client) const {
    return {client.x - kTextMargin, client.y};
}

std::optional<POINT> TextViewControl::caretClientPoint() {
    const std::optional<ViewPoint> caret = view_.caretPoint();
    if (!caret) return std::nullopt;
    return POINT{caret->x + kTextMargin, caret->y};
}

void TextViewControl::refresh() {
    updateScrollBar();
    updateCaret();
    invalidateChanges();
}

void TextViewControl::invalidateChanges() {
    const std::vector<VisibleRow> rows = view_.visibleRows();
    const Shown now{rows.front().start, view_.selectionStart(), view_.selectionEnd(),
                    selectionShown()};
    const Shown before = std::exchange(shown_, now);
    if (std::exchange(repaintAll_, false) || now.top != before.top ||
        now.selectionDrawn != before.selectionDrawn) {
        InvalidateRect(window_, nullptr, FALSE);
        return;
    }
    const bool moved =
        now.selectionStart != before.selectionStart || now.selectionEnd != before.selectionEnd;
    if (!now.selectionDrawn || !moved) return;
    const auto touches = [](const VisibleRow& row, const Shown& shown) {
        return shown.selectionStart < shown.selectionEnd && shown.selectionStart < row.end &&
               shown.selectionEnd > row.start;
    };
    RECT client{};
    GetClientRect(window_, &client);
    for (const VisibleRow& row : rows) {
        if (!touches(row, before) && !touches(row, now)) continue;
        const RECT band{0, row.y, client.right, row.y + view_.rowHeight()};
        InvalidateRect(window_, &band, FALSE);
    }
}

void TextViewControl::updateScrollBar() {
    // Proportional to bytes: the range is the text, the page the bytes of the rows shown.
    const ScrollBarState bar = view_.scrollBar();
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
    info.nMax = bar.range > 0 ? static_cast<int>(bar.range - 1) : 0;
    // A page holding the whole text makes the bar disabled, but it stays: the wrap width
    // then does not change with the text.
    info.nPage =
        bar.page >= bar.range ? static_cast<UINT>(info.nMax) + 1 : static_cast<UINT>(bar.page);
    info.nPos = static_cast<int>(bar.position);
    if (shownScrollBar_.cbSize != 0 && sameScrollBar(info, shownScrollBar_)) return;
    shownScrollBar_ = info;
    // Drawing the bar costs milliseconds, more than a keystroke's other work, while in a
    // long text most changes move its thumb by less than a pixel: it is drawn only when
    // it looks different.
    const ScrollBarLook before = scrollBarLook(window_);
    SetScrollInfo(window_, SB_VERT, &info, FALSE);
    if (scrollBarLook(window_) != before) {
        RedrawWindow(window_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_NOCHILDREN);
    }
}

void TextViewControl::updateCaret() {
    if (!focused_) return;
    const std::optional<POINT> at = caretClientPoint();
    RECT client{};
    GetClientRect(window_, &client);
    const bool inside = at && at->y + view_.rowHeight() > 0 && at->y < client.bottom;
    if (inside) SetCaretPos(at->x, at->y);
    if (inside != caretShown_) {
        if (inside) {
            ShowCaret(window_);
        } else {
            HideCaret(window_);
        }
        caretShown_ = inside;
    }
    if (composing_) placeCompositionWindow();
}

void TextViewControl::compositionStarted() {
    composing_ = true;
    placeCompositionWindow();
}

void TextViewControl::compositionEnded() {
    composing_ = false;
}

void TextViewControl::placeCompositionWindow() {
    HIMC context = ImmGetContext(window_);
    if (!context) return;
    COMPOSITIONFORM form{};
    form.dwStyle = CFS_POINT;
    form.ptCurrentPos = caretClientPoint().value_or(POINT{kTextMargin, 0});
    ImmSetCompositionWindow(context, &form);
    LOGFONTA description{};
    HGDIOBJ font = font_ ? static_cast<HGDIOBJ>(font_) : GetStockObject(SYSTEM_FONT);
    if (GetObjectA(font, sizeof(description), &description)) {
        ImmSetCompositionFontA(context, &description);
    }
    ImmReleaseContext(window_, context);
}

void TextViewControl::notifyParent(WORD code) {
    SendMessageA(GetParent(window_), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(window_), code),
                 reinterpret_cast<LPARAM>(window_));
}

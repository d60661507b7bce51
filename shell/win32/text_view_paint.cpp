// Painting: only the rows on screen, into an off-screen bitmap that is copied to the
// window in one piece, so nothing flickers while the reading block moves.
#include "text_view_control.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

// An off-screen copy of the window's client area, drawn into and then shown at once.
class BackBuffer {
  public:
    BackBuffer(HDC screen, SIZE size)
        : dc_(CreateCompatibleDC(screen)),
          bitmap_(CreateCompatibleBitmap(screen, size.cx, size.cy)),
          old_(SelectObject(dc_, bitmap_)) {}
    ~BackBuffer() {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    BackBuffer(const BackBuffer&) = delete;
    BackBuffer& operator=(const BackBuffer&) = delete;

    HDC dc() const { return dc_; }

  private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
};

// The row's bytes as drawn: control bytes (a tab, say) become spaces, which the
// view measured them as.
std::string drawnBytes(std::string bytes) {
    std::replace_if(
        bytes.begin(), bytes.end(),
        [](char byte) { return static_cast<unsigned char>(byte) < 0x20; }, ' ');
    return bytes;
}

} // namespace

HBRUSH TextViewControl::colours(HDC dc) const {
    // As an edit control asks: read-only text is drawn like a static control's.
    const bool readOnly = (GetWindowLongPtrA(window_, GWL_STYLE) & ES_READONLY) != 0;
    const UINT message =
        readOnly || !IsWindowEnabled(window_) ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT;
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    auto brush = reinterpret_cast<HBRUSH>(SendMessageA(GetParent(window_), message,
                                                       reinterpret_cast<WPARAM>(dc),
                                                       reinterpret_cast<LPARAM>(window_)));
    return brush ? brush : GetSysColorBrush(COLOR_WINDOW);
}

void TextViewControl::drawRow(HDC dc, const VisibleRow& row, bool selected) {
    const std::string bytes = drawnBytes(view_.bytes(row.start, row.end));
    // A character's width on its first byte and 0 on its second: what hit testing used.
    std::vector<int> advances = view_.byteAdvances(row);
    const int count = static_cast<int>(bytes.size());
    ExtTextOutA(dc, kTextMargin, row.y, 0, nullptr, bytes.data(), count, advances.data());
    if (!selected) return;
    const std::optional<HighlightSpan> span = view_.selectionHighlight(row);
    if (!span) return;
    const RECT highlight{kTextMargin + span->left, row.y, kTextMargin + span->right,
                         row.y + view_.rowHeight()};
    FillRect(dc, &highlight, GetSysColorBrush(COLOR_HIGHLIGHT));
    const COLORREF text = SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
    ExtTextOutA(dc, kTextMargin, row.y, ETO_CLIPPED, &highlight, bytes.data(), count,
                advances.data());
    SetTextColor(dc, text);
}

void TextViewControl::paint() {
    PAINTSTRUCT paint{};
    HDC screen = BeginPaint(window_, &paint);
    RECT client{};
    GetClientRect(window_, &client);
    {
        BackBuffer buffer(screen, {client.right, client.bottom});
        HDC dc = buffer.dc();
        FillRect(dc, &paint.rcPaint, colours(dc));
        SetBkMode(dc, TRANSPARENT);
        const HGDIOBJ font =
            SelectObject(dc, font_ ? static_cast<HGDIOBJ>(font_) : GetStockObject(SYSTEM_FONT));
        const bool selected = selectionShown();
        // Only the rows in the part to paint: a moved selection asks for one or two.
        for (const VisibleRow& row : view_.visibleRows()) {
            if (row.y < paint.rcPaint.bottom && row.y + view_.rowHeight() > paint.rcPaint.top)
                drawRow(dc, row, selected);
        }
        SelectObject(dc, font);
        BitBlt(screen, paint.rcPaint.left, paint.rcPaint.top,
               paint.rcPaint.right - paint.rcPaint.left, paint.rcPaint.bottom - paint.rcPaint.top,
               dc, paint.rcPaint.left, paint.rcPaint.top, SRCCOPY);
    }
    EndPaint(window_, &paint);
}

// The mouse and the scroll bar: clicking places the caret, Shift+click and dragging
// select (scrolling on while the mouse is held above or below the view), a double-click
// selects a word, and the wheel and the scroll bar move the view without the caret.
#include "text_view_control.h"

#include <algorithm>

namespace {

constexpr UINT_PTR kAutoScrollTimer = 1;
constexpr UINT kAutoScrollPeriodMs = 50;

} // namespace

void TextViewControl::buttonDown(POINT point) {
    SetFocus(window_);
    view_.click(viewPoint(point), GetKeyState(VK_SHIFT) < 0);
    dragging_ = true;
    dragPoint_ = point;
    SetCapture(window_);
    SetTimer(window_, kAutoScrollTimer, kAutoScrollPeriodMs, nullptr);
    refresh();
}

void TextViewControl::doubleClick(POINT point) {
    view_.selectWordAt(viewPoint(point));
    refresh();
}

void TextViewControl::mouseMoved(POINT point) {
    if (!dragging_) return;
    dragPoint_ = point;
    view_.click(viewPoint(point), true);
    refresh();
}

void TextViewControl::buttonUp() {
    if (dragging_) ReleaseCapture();
}

void TextViewControl::captureLost() {
    dragging_ = false;
    KillTimer(window_, kAutoScrollTimer);
}

void TextViewControl::autoScrollTick() {
    if (!dragging_) return;
    RECT client{};
    GetClientRect(window_, &client);
    if (dragPoint_.y >= 0 && dragPoint_.y < client.bottom) return;
    // The row under a point outside the view is off screen: placing the caret there
    // scrolls the view one step further each time.
    view_.click(viewPoint(dragPoint_), true);
    refresh();
}

void TextViewControl::wheel(int delta) {
    UINT lines = 3;
    SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    wheelRemainder_ += delta;
    const int notches = wheelRemainder_ / WHEEL_DELTA;
    wheelRemainder_ %= WHEEL_DELTA;
    if (notches == 0) return;
    if (lines == WHEEL_PAGESCROLL) {
        view_.scrollPages(-notches);
    } else {
        view_.scrollRows(-static_cast<std::ptrdiff_t>(notches) *
                         static_cast<std::ptrdiff_t>(lines));
    }
    refresh();
}

void TextViewControl::scrollBarRequest(WORD request) {
    switch (request) {
    case SB_LINEUP:
        view_.scrollRows(-1);
        break;
    case SB_LINEDOWN:
        view_.scrollRows(1);
        break;
    case SB_PAGEUP:
        view_.scrollPages(-1);
        break;
    case SB_PAGEDOWN:
        view_.scrollPages(1);
        break;
    case SB_TOP:
        view_.scrollToOffset(0);
        break;
    case SB_BOTTOM:
        view_.scrollToOffset(view_.textLength());
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
        SCROLLINFO info{};
        info.cbSize = sizeof(info);
        info.fMask = SIF_TRACKPOS;
        GetScrollInfo(window_, SB_VERT, &info);
        view_.scrollToOffset(static_cast<std::size_t>(std::max(info.nTrackPos, 0)));
        break;
    }
    default:
        return;
    }
    refresh();
}

#include "view_fixture.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Twenty lines "line00" to "line19", 8 bytes each with their "\r\n".
std::string twentyLines() {
    std::string text;
    for (int line = 0; line < 20; ++line) {
        text += "line";
        text += static_cast<char>('0' + line / 10);
        text += static_cast<char>('0' + line % 10);
        text += "\r\n";
    }
    return text;
}
constexpr std::size_t kLineBytes = 8;

TEST(ProgramSelection, IsKeptAsGivenButClampedToTheText) {
    struct Case {
        const char* name;
        std::size_t anchor;
        std::size_t caret;
        std::size_t expectedAnchor;
        std::size_t expectedCaret;
    };
    const Case cases[] = {
        {"inside", 1, 3, 1, 3},
        {"splitting a character is kept", 2, 5, 2, 5},
        {"caret beyond the end", 4, 50, 4, 8},
        {"both beyond the end", 20, 30, 8, 8},
        {"caret before the anchor", 6, 1, 6, 1},
    };
    TextView view;
    showText(view, "a中文字b", 600, 3);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        view.select(c.anchor, c.caret);
        EXPECT_EQ(view.anchor(), c.expectedAnchor);
        EXPECT_EQ(view.caret(), c.expectedCaret);
        EXPECT_EQ(view.selectionStart(), std::min(c.expectedAnchor, c.expectedCaret));
    }
}

TEST(Scrolling, ByRowsAndPagesStaysWithinTheText) {
    struct Case {
        const char* name;
        std::ptrdiff_t rows;
        std::ptrdiff_t pages;
        std::size_t topLine;
    };
    const Case cases[] = {
        {"down three rows", 3, 0, 3},
        {"down a page", 0, 1, 5},
        {"past the end keeps the last page full", 100, 0, 21 - 5}, // 20 lines and an empty one
        {"before the start", -4, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TextView view;
        showText(view, twentyLines(), 600, 5);
        view.scrollRows(c.rows);
        view.scrollPages(c.pages);
        EXPECT_EQ(view.scrollBar().position, c.topLine * kLineBytes);
    }
}

TEST(Scrolling, TheCaretIsScrolledIntoViewAsLittleAsNeeded) {
    TextView view;
    const std::string text = twentyLines();
    showText(view, text, 600, 5);
    view.select(12 * kLineBytes + 2, 12 * kLineBytes + 3);
    EXPECT_EQ(view.visibleRows().front().start, 8 * kLineBytes); // caret line at the bottom
    view.select(9 * kLineBytes, 10 * kLineBytes + 1);
    EXPECT_EQ(view.visibleRows().front().start, 8 * kLineBytes); // already shown
    view.select(text.size(), 3 * kLineBytes);
    EXPECT_EQ(view.visibleRows().front().start, 3 * kLineBytes); // caret line at the top
}

TEST(Scrolling, AShorterViewScrollsTheCaretBackIntoViewWhenAsked) {
    TextView view;
    showText(view, twentyLines(), 600, 10);
    view.select(9 * kLineBytes, 9 * kLineBytes);
    view.setViewSize(600, 4 * kTestRowHeight);
    EXPECT_EQ(view.visibleRows().front().start, 0u);
    view.scrollCaretIntoView();
    EXPECT_EQ(view.visibleRows().front().start, 6 * kLineBytes);
}

TEST(Scrolling, TheScrollBarCountsBytes) {
    TextView view;
    const std::string text = twentyLines();
    showText(view, text, 600, 5);
    view.scrollRows(2);
    ScrollBarState bar = view.scrollBar();
    EXPECT_EQ(bar.range, text.size());
    EXPECT_EQ(bar.position, 2 * kLineBytes);
    EXPECT_EQ(bar.page, 5 * kLineBytes);
    view.scrollToOffset(text.size() - 3);
    bar = view.scrollBar();
    EXPECT_EQ(bar.position + bar.page, bar.range);
    view.scrollToOffset(7 * kLineBytes + 3);
    EXPECT_EQ(view.scrollBar().position, 7 * kLineBytes);
}

std::string topRowText(TextView& view) {
    const VisibleRow top = view.visibleRows().front();
    return view.bytes(top.start, top.end);
}

TEST(Scrolling, EditsKeepTheTopRowOnItsText) {
    TextView view;
    showText(view, twentyLines(), 600, 5);
    view.scrollRows(6);
    view.select(8 * kLineBytes, 8 * kLineBytes);
    view.insertText("new\r\n");
    EXPECT_EQ(topRowText(view), "line06");

    view.select(6 * kLineBytes, 6 * kLineBytes);
    view.backspace(); // joins the top row to the line above it
    EXPECT_EQ(topRowText(view), "line05line06");
}

} // namespace

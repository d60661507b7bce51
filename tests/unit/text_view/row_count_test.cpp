#include "view_fixture.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr int kAllRows = 1000;

// A paragraph of `characters` two-byte characters: at a width of 36 px, three to a row.
std::string cjkParagraph(int characters) {
    std::string text;
    for (int i = 0; i < characters; ++i)
        text += "中";
    return text;
}

std::size_t rowsShownWhole(const std::string& text, int width) {
    TextView view;
    showText(view, text, width, kAllRows);
    return view.visibleRows().size();
}

TEST(RowCount, MatchesTheRowsOfTheWholeTextShown) {
    struct Case {
        const char* name;
        std::string text;
        std::size_t expected;
    };
    const Case cases[] = {
        {"empty text", "", 1},
        {"one short line", "ab", 1},
        {"a wrapped paragraph", cjkParagraph(10), 4},
        {"a line break at the end starts an empty row", "ab\r\n", 2},
        {"paragraphs of every length", "ab\r\n" + cjkParagraph(7) + "\r\n\r\nword word word", 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TextView view;
        showText(view, c.text, 36, 2);
        EXPECT_EQ(view.rowCount(), c.expected);
        EXPECT_EQ(rowsShownWhole(c.text, 36), c.expected);
    }
}

TEST(RowCount, FirstVisibleRowCountsTheRowsScrolledPast) {
    // Rows: 4 of the first paragraph, 1 of "ab", 4 of the last paragraph.
    const std::string text = cjkParagraph(10) + "\r\nab\r\n" + cjkParagraph(12);
    TextView view;
    showText(view, text, 36, 2);
    EXPECT_EQ(view.firstVisibleRow(), 0u);
    for (const std::size_t rows : {1u, 3u, 5u, 6u}) {
        SCOPED_TRACE(rows);
        view.scrollToOffset(0);
        view.scrollRows(static_cast<std::ptrdiff_t>(rows));
        EXPECT_EQ(view.firstVisibleRow(), rows);
    }
    // Into the middle of the last paragraph, whose rows above the top were never shown.
    view.scrollToOffset(text.size() - 6);
    EXPECT_EQ(view.firstVisibleRow(), 7u);
    EXPECT_EQ(view.rowCount(), 9u);
}

TEST(RowCount, FollowsEditsThatAddOrRemoveRows) {
    TextView view;
    showText(view, cjkParagraph(6), 36, 2);
    EXPECT_EQ(view.rowCount(), 2u);
    view.select(12, 12);
    view.typeByte('\xD6');
    view.typeByte('\xD0');
    EXPECT_EQ(view.rowCount(), 3u);
    view.backspace();
    EXPECT_EQ(view.rowCount(), 2u);
    view.pressEnter();
    EXPECT_EQ(view.rowCount(), 3u);
}

} // namespace

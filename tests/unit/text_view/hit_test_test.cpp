#include "view_fixture.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

// Two lines, the first wrapped at 36 px: "中文中" / "文ab" / "x中".
const std::string kText = "中文中文ab\r\nx中";

TEST(HitTesting, EveryPositionRoundTripsThroughItsPoint) {
    TextView view;
    showText(view, kText, 36, 5);
    for (const std::size_t offset : characterBoundaries(kText)) {
        for (const bool atRowEnd : {false, true}) {
            SCOPED_TRACE(testing::Message() << offset << (atRowEnd ? " at row end" : ""));
            const std::optional<ViewPoint> point = view.pointOf({offset, atRowEnd});
            ASSERT_TRUE(point);
            const TextPosition back = view.positionAt(*point);
            EXPECT_EQ(back.offset, offset);
        }
    }
}

TEST(HitTesting, PointsOfKnownPositions) {
    struct Case {
        const char* name;
        TextPosition position;
        std::pair<int, int> expected;
    };
    const Case cases[] = {
        {"text start", {0, false}, {0, 0}},
        {"wrap offset on the lower row", {6, false}, {0, 12}},
        {"wrap offset at the upper row's end", {6, true}, {36, 0}},
        {"after ascii", {9, false}, {18, 12}},
        {"inside a character shows after it", {7, false}, {12, 12}},
        {"line end", {10, false}, {24, 12}},
        {"second line", {13, false}, {6, 24}},
        {"text end", {15, false}, {18, 24}},
    };
    TextView view;
    showText(view, kText, 36, 5);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<ViewPoint> point = view.pointOf(c.position);
        ASSERT_TRUE(point);
        EXPECT_EQ(std::make_pair(point->x, point->y), c.expected);
    }
}

TEST(HitTesting, PointsOutsideTheTextGoToTheNearestPlace) {
    struct Case {
        const char* name;
        ViewPoint point;
        std::size_t expected;
        bool atRowEnd;
    };
    const Case cases[] = {
        {"left half of a character", {5, 1}, 0, false},
        {"right half of a character", {7, 1}, 2, false},
        {"right of a wrapped row", {200, 1}, 6, true},
        {"right of a line's last row", {200, 13}, 10, false},
        {"left of the text", {-20, 13}, 6, false},
        {"above the text", {7, -30}, 2, false},
        {"below the last row", {7, 500}, 13, false},
    };
    TextView view;
    showText(view, kText, 36, 5);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TextPosition position = view.positionAt(c.point);
        EXPECT_EQ(position.offset, c.expected);
        EXPECT_EQ(position.atRowEnd, c.atRowEnd);
    }
}

TEST(HitTesting, ClickPlacesTheCaretAndShiftClickExtends) {
    TextView view;
    showText(view, kText, 36, 5);
    view.click({13, 1}, false);
    EXPECT_EQ(view.caret(), 2u);
    view.click({7, 25}, true);
    EXPECT_EQ(view.anchor(), 2u);
    EXPECT_EQ(view.caret(), 13u);
}

TEST(Painting, VisibleRowsCarryTheirBytesAndTop) {
    TextView view;
    showText(view, kText, 36, 2);
    const std::vector<VisibleRow> rows = view.visibleRows();
    ASSERT_EQ(rows.size(), 2u);
    using Span = std::pair<std::size_t, std::size_t>;
    EXPECT_EQ(Span(rows[0].start, rows[0].end), Span(0, 6));
    EXPECT_EQ(rows[0].y, 0);
    EXPECT_EQ(Span(rows[1].start, rows[1].end), Span(6, 10));
    EXPECT_EQ(rows[1].y, kTestRowHeight);
    EXPECT_EQ(view.byteAdvances(rows[1]), (std::vector<int>{12, 0, 6, 6}));
}

TEST(Painting, AHighlightCoversEveryCharacterItTouches) {
    struct Case {
        const char* name;
        std::size_t anchor;
        std::size_t caret;
        std::optional<std::pair<int, int>> firstRow;
    };
    const Case cases[] = {
        {"whole characters", 2, 4, std::pair{12, 24}},
        {"split ends round outward", 3, 5, std::pair{12, 36}},
        {"empty selection", 3, 3, std::nullopt},
        {"reversed", 5, 3, std::pair{12, 36}},
        {"beyond the row", 4, 12, std::pair{24, 36}},
        {"below the row", 6, 8, std::nullopt},
    };
    TextView view;
    showText(view, kText, 36, 5);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        view.select(c.anchor, c.caret);
        const std::optional<HighlightSpan> span = view.selectionHighlight(view.visibleRows()[0]);
        ASSERT_EQ(span.has_value(), c.firstRow.has_value());
        if (span) {
            EXPECT_EQ(std::make_pair(span->left, span->right), *c.firstRow);
        }
    }
}

} // namespace

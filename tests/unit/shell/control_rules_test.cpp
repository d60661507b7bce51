#include "shell/control_rules.h"

#include <gtest/gtest.h>

#include <climits>
#include <utility>

namespace {

// The rule types carry no comparison of their own; pairs print well in failures.
std::pair<int, int> fields(RememberedSelection s) {
    return {s.start, s.count};
}
std::pair<int, int> fields(SelectionRange r) {
    return {r.anchor, r.caret};
}
std::pair<int, bool> fields(TimerChange t) {
    return {t.period, t.restart};
}
std::vector<std::pair<Text, Text>> fields(const std::vector<FilterEntry>& entries) {
    std::vector<std::pair<Text, Text>> pairs;
    for (const FilterEntry& entry : entries)
        pairs.emplace_back(entry.description, entry.pattern);
    return pairs;
}

constexpr RememberedSelection kStartThreeCountFour{3, 4};

TEST(EditorSelection, SetSelectionStartKeepsTheRememberedCount) {
    struct Case {
        const char* name;
        int value;
        RememberedSelection expected;
    };
    const Case cases[] = {
        {"minus one goes to the end", -1, {10, 0}},
        {"other negative goes to zero", -2, {0, 4}},
        {"smallest int goes to zero", INT_MIN, {0, 4}},
        {"zero", 0, {0, 4}},
        {"inside", 7, {7, 4}},
        {"beyond the text is kept", 50, {50, 4}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(fields(afterSetSelectionStart(kStartThreeCountFour, c.value, 10)),
                  fields(c.expected));
    }
}

TEST(EditorSelection, SetSelectionLengthKeepsTheRememberedStart) {
    struct Case {
        const char* name;
        int value;
        RememberedSelection expected;
    };
    const Case cases[] = {
        {"minus one selects everything", -1, {0, 10}},
        {"other negative selects nothing", -2, {3, 0}},
        {"zero", 0, {3, 0}},
        {"count", 6, {3, 6}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(fields(afterSetSelectionLength(kStartThreeCountFour, c.value, 10)),
                  fields(c.expected));
    }
}

TEST(EditorSelection, ShownRangeStopsAtTheTextEnd) {
    struct Case {
        const char* name;
        RememberedSelection remembered;
        int textLength;
        SelectionRange expected;
    };
    const Case cases[] = {
        {"empty text", {0, 0}, 0, {0, 0}},
        {"inside", {2, 3}, 10, {2, 5}},
        {"count beyond end", {8, 5}, 10, {8, 10}},
        {"start beyond end", {12, 3}, 10, {10, 10}},
        {"sum above largest int", {5, INT_MAX}, 100, {5, 100}},
        {"both largest int", {INT_MAX, INT_MAX}, 100, {100, 100}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(fields(selectionToShow(c.remembered, c.textLength)), fields(c.expected));
    }
}

// The user clicking elsewhere moves neither remembered value, so a later length counts
// from the start the logic set.
TEST(EditorSelection, LengthCountsFromTheStartLastSet) {
    RememberedSelection remembered;
    remembered = afterSetSelectionStart(remembered, 10, 100);
    remembered = afterSetSelectionLength(remembered, 5, 100);
    EXPECT_EQ(fields(selectionToShow(remembered, 100)), std::pair(10, 15));
    remembered = afterSetSelectionLength(remembered, 3, 100);
    EXPECT_EQ(fields(selectionToShow(remembered, 100)), std::pair(10, 13));
    remembered = afterSetSelectionStart(remembered, 20, 100);
    EXPECT_EQ(fields(selectionToShow(remembered, 100)), std::pair(20, 23));
}

TEST(TimerPeriod, RestartsOnlyWhenThePeriodChanges) {
    struct Case {
        int stored;
        int requested;
        TimerChange expected;
    };
    const Case cases[] = {
        {100, 100, {100, false}}, {100, 50, {50, true}}, {100, -20, {0, true}},
        {0, -20, {0, false}},     {0, 0, {0, false}},    {0, 10, {10, true}},
        {100, 0, {0, true}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.stored) + " <- " + std::to_string(c.requested));
        EXPECT_EQ(fields(timerPeriodChange(c.stored, c.requested)), fields(c.expected));
    }
}

TEST(MessageBox, TaskModalUnlessSystemModal) {
    struct Case {
        int style;
        int expected;
    };
    const Case cases[] = {
        {0x1000, 0x1000}, {0x1004, 0x1004}, {0x1024, 0x1024}, {0x1033, 0x1033},
        {0x0024, 0x2024}, {0, 0x2000},      {0x3000, 0x3000}, {0x2004, 0x2004},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.style);
        EXPECT_EQ(messageBoxStyle(c.style), c.expected);
    }
    EXPECT_EQ(messageBoxTitle(""), "信息：");
    EXPECT_EQ(messageBoxTitle("提示"), "提示");
}

TEST(FileDialog, FilterIsReadAsPairsEndingAtAnEmptyDescription) {
    struct Case {
        const char* name;
        Text filter;
        std::vector<FilterEntry> expected;
    };
    const Case cases[] = {
        {"empty", "", {}},
        {"pattern alone", "*.txt", {{"*.txt", ""}}},
        {"one pair", "文本|*.txt", {{"文本", "*.txt"}}},
        {"one pair terminated", "文本|*.txt||", {{"文本", "*.txt"}}},
        {"two pairs", "a|*.a|b|*.b", {{"a", "*.a"}, {"b", "*.b"}}},
        {"single bar at end", "a|*.a|", {{"a", "*.a"}}},
        {"empty pattern goes on", "a||b|c", {{"a", ""}, {"b", "c"}}},
        {"empty description ends", "a|b||c|d", {{"a", "b"}}},
        {"trail byte 0x7C in description", "\x81\x7C|*.t", {{"\x81\x7C", "*.t"}}},
        {"trail byte 0x7C before final bar", "x|\x81\x7C|", {{"x", "\x81\x7C"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(fields(fileDialogFilterEntries(c.filter)), fields(c.expected));
    }
}

TEST(FileDialog, FirstEntryCountsFromOne) {
    struct Case {
        int index;
        int expected;
    };
    const Case cases[] = {{INT_MIN, 1}, {-5, 1}, {0, 1}, {2, 3}, {INT_MAX, INT_MAX}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        EXPECT_EQ(fileDialogFirstEntry(c.index), c.expected);
    }
}

TEST(EditorFont, HeightForPointsRoundsHalfAwayFromZero) {
    struct Case {
        int points;
        int dpi;
        int expected;
    };
    const Case cases[] = {
        {9, 96, -12}, {10, 96, -13}, {12, 96, -16}, {9, 120, -15}, {11, 120, -18},
        {5, 108, -8}, {1, 36, -1},   {0, 96, 0},    {-3, 96, 0},   {INT_MAX, 96, -INT_MAX},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.points) + "pt at " + std::to_string(c.dpi));
        EXPECT_EQ(fontHeightForPoints(c.points, c.dpi), c.expected);
    }
}

TEST(EditorFont, PointsForHeightRoundsAndIgnoresTheSign) {
    struct Case {
        int height;
        int dpi;
        int expected;
    };
    const Case cases[] = {
        {-12, 96, 9},
        {12, 96, 9},
        {-13, 96, 10},
        {-16, 96, 12},
        {-3, 144, 2},
        {0, 96, 0},
        {INT_MIN, 96, 1610612736},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.height) + " at " + std::to_string(c.dpi));
        EXPECT_EQ(pointsForFontHeight(c.height, c.dpi), c.expected);
    }
    for (const int points : {5, 9, 10, 12, 72}) {
        EXPECT_EQ(pointsForFontHeight(fontHeightForPoints(points, 96), 96), points);
    }
}

TEST(EditorFont, FaceNameOfOneToThirtyOneBytes) {
    struct Case {
        Text name;
        Text expected;
    };
    const Case cases[] = {
        {"", "宋体"},
        {"黑体", "黑体"},
        {Text(31, 'a'), Text(31, 'a')},
        {Text(32, 'a'), "宋体"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name.size());
        EXPECT_EQ(editorFaceName(c.name), c.expected);
    }
}

TEST(EditorSize, DimensionsAreTakenIntoRange) {
    struct Case {
        int pixels;
        int expected;
    };
    const Case cases[] = {{INT_MIN, 0},   {-5, 0},        {0, 0},          {344, 344},
                          {32627, 32627}, {32628, 32627}, {INT_MAX, 32627}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pixels);
        EXPECT_EQ(clampEditorDimension(c.pixels), c.expected);
    }
}

TEST(Hotkeys, IdsFollowTheRegistrationCount) {
    EXPECT_EQ(hotkeyIdForRegistration(1), kFirstHotkeyId);
    EXPECT_EQ(hotkeyIdForRegistration(6), 33006);
    struct Case {
        int id;
        int lastIdGiven;
        bool expected;
    };
    const Case cases[] = {
        {33001, 33006, true},  {33006, 33006, true},  {33000, 33006, false},
        {33007, 33006, false}, {33001, 33000, false}, {0, 33006, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.id) + " of " + std::to_string(c.lastIdGiven));
        EXPECT_EQ(isReaderHotkeyId(c.id, c.lastIdGiven), c.expected);
    }
}

TEST(Hotkeys, ModifierCodesBecomePlatformBits) {
    struct Case {
        int code;
        unsigned expected;
    };
    const Case cases[] = {
        {1, 2}, {2, 4}, {3, 6}, {4, 1}, {5, 3}, {6, 5}, {0, 0}, {7, 7}, {8, 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(hotkeyModifierBits(c.code), c.expected);
    }
}

TEST(DroppedFiles, SeveralPathsEachEndWithALineEnd) {
    EXPECT_EQ(droppedFilesText({}), "");
    EXPECT_EQ(droppedFilesText({"C:\\小说.txt"}), "C:\\小说.txt");
    EXPECT_EQ(droppedFilesText({"C:\\a.txt", "D:\\b.txt"}), "C:\\a.txt\r\nD:\\b.txt\r\n");
}

} // namespace

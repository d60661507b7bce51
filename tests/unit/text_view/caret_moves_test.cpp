#include "view_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

TEST(CaretMoves, StepOverWholeCharactersAndLineBreaks) {
    struct Case {
        const char* name;
        std::string text;
        std::size_t from;
        CaretMove move;
        std::size_t expected;
    };
    const Case cases[] = {
        {"right over ascii", "a中b", 0, CaretMove::CharacterRight, 1},
        {"right over a chinese character", "a中b", 1, CaretMove::CharacterRight, 3},
        {"right from inside goes past the next one", "a中b", 2, CaretMove::CharacterRight, 4},
        {"left over a chinese character", "a中b", 3, CaretMove::CharacterLeft, 1},
        {"left from inside goes to its start", "a中b", 2, CaretMove::CharacterLeft, 1},
        {"right over a pair", "a\r\nb", 1, CaretMove::CharacterRight, 3},
        {"left over a pair", "a\r\nb", 3, CaretMove::CharacterLeft, 1},
        {"right from inside a pair", "a\r\nb", 2, CaretMove::CharacterRight, 4},
        {"left at the start stays", "ab", 0, CaretMove::CharacterLeft, 0},
        {"right at the end stays", "ab", 2, CaretMove::CharacterRight, 2},
        {"ctrl+home", "ab\r\ncd", 5, CaretMove::TextStart, 0},
        {"ctrl+end", "ab\r\ncd", 1, CaretMove::TextEnd, 6},
        {"home of a row", "ab\r\ncd", 5, CaretMove::RowStart, 4},
        {"end of the last row of a line", "ab\r\ncd", 0, CaretMove::RowEnd, 2},
        {"word right skips the spaces after", "one  two", 0, CaretMove::WordRight, 5},
        {"word right from inside a word", "one two", 1, CaretMove::WordRight, 4},
        {"word right stops before a break", "one\r\ntwo", 0, CaretMove::WordRight, 3},
        {"word right crosses a break", "one\r\ntwo", 3, CaretMove::WordRight, 5},
        {"word right over a chinese clause", "今天好，明天", 0, CaretMove::WordRight, 6},
        {"word right over punctuation", "今天好，明天", 6, CaretMove::WordRight, 8},
        {"word left over spaces", "one  two", 5, CaretMove::WordLeft, 0},
        {"word left to the word start", "one two", 6, CaretMove::WordLeft, 4},
        {"word left crosses a break", "one\r\ntwo", 5, CaretMove::WordLeft, 3},
        {"word left over a chinese clause", "今天好，明天", 12, CaretMove::WordLeft, 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TextView view;
        showText(view, c.text, 600, 5);
        view.select(c.from, c.from);
        view.moveCaret(c.move, false);
        EXPECT_EQ(view.caret(), c.expected);
        EXPECT_EQ(view.anchor(), c.expected);
    }
}

// Whatever the program left the caret on, no move of the user's ends inside a
// character or between the halves of "\r\n".
TEST(CaretMoves, NeverLandInsideACharacter) {
    const std::string text = "a中b文字\r\n甲乙 ab，丙\r\n\r\n丁x\n\xB0\r\n戊";
    const std::vector<std::size_t> boundaries = characterBoundaries(text);
    const CaretMove moves[] = {
        CaretMove::CharacterLeft, CaretMove::CharacterRight, CaretMove::WordLeft,
        CaretMove::WordRight,     CaretMove::RowUp,          CaretMove::RowDown,
        CaretMove::PageUp,        CaretMove::PageDown,       CaretMove::RowStart,
        CaretMove::RowEnd,
    };
    TextView view;
    showText(view, text, 30, 3);
    for (std::size_t from = 0; from <= text.size(); ++from) {
        for (const CaretMove move : moves) {
            view.select(from, from);
            view.moveCaret(move, false);
            SCOPED_TRACE(testing::Message()
                         << "from " << from << " move " << static_cast<int>(move));
            EXPECT_TRUE(std::binary_search(boundaries.begin(), boundaries.end(), view.caret()));
        }
    }
}

TEST(CaretMoves, UpAndDownKeepTheColumn) {
    TextView view;
    // Rows of five chinese characters at 60 px: a long line, a short one, a long one.
    showText(view, "中文中文中\r\nab\r\n甲乙丙丁戊", 60, 5);
    view.select(8, 8); // after the fourth character, x = 48
    view.moveCaret(CaretMove::RowDown, false);
    EXPECT_EQ(view.caret(), 14u); // the end of "ab"
    view.moveCaret(CaretMove::RowDown, false);
    EXPECT_EQ(view.caret(), 24u); // back at x = 48
    view.moveCaret(CaretMove::RowUp, false);
    view.moveCaret(CaretMove::RowUp, false);
    EXPECT_EQ(view.caret(), 8u);
    view.moveCaret(CaretMove::RowUp, false);
    EXPECT_EQ(view.caret(), 8u); // no row above
}

TEST(CaretMoves, EndOfAWrappedRowStaysOnThatRow) {
    TextView view;
    showText(view, "中文中文中文", 36, 5); // rows "中文中" and "文中文"
    view.select(2, 2);
    view.moveCaret(CaretMove::RowEnd, false);
    EXPECT_EQ(view.caret(), 6u);
    const std::optional<ViewPoint> atEnd = view.caretPoint();
    ASSERT_TRUE(atEnd);
    EXPECT_EQ(atEnd->y, 0);
    EXPECT_EQ(atEnd->x, 36);
    view.moveCaret(CaretMove::RowStart, false);
    EXPECT_EQ(view.caret(), 0u);
    view.select(6, 6); // the same offset set by the program shows on the next row
    EXPECT_EQ(view.caretPoint()->y, kTestRowHeight);
}

TEST(CaretMoves, ShiftKeepsTheAnchor) {
    TextView view;
    showText(view, "ab中\r\ncd", 600, 5);
    view.select(1, 1);
    view.moveCaret(CaretMove::CharacterRight, true);
    view.moveCaret(CaretMove::CharacterRight, true);
    EXPECT_EQ(view.anchor(), 1u);
    EXPECT_EQ(view.caret(), 4u);
    EXPECT_EQ(view.selectedText(), "b中");
    view.moveCaret(CaretMove::TextStart, true);
    EXPECT_EQ(view.selectionStart(), 0u);
    EXPECT_EQ(view.selectionEnd(), 1u);
    view.moveCaret(CaretMove::CharacterRight, false);
    EXPECT_EQ(view.selectionStart(), view.selectionEnd());
}

TEST(CaretMoves, PageDownScrollsAndMovesByAPage) {
    std::string text;
    for (int line = 0; line < 20; ++line)
        text += "line\r\n";
    TextView view;
    showText(view, text, 600, 4);
    view.select(0, 0);
    view.moveCaret(CaretMove::PageDown, false);
    EXPECT_EQ(view.caret(), 4u * 6);
    EXPECT_EQ(view.scrollBar().position, 4u * 6);
    view.moveCaret(CaretMove::PageUp, true);
    EXPECT_EQ(view.caret(), 0u);
    EXPECT_EQ(view.anchor(), 4u * 6);
    EXPECT_EQ(view.scrollBar().position, 0u);
}

TEST(WordSelection, DoubleClickSelectsAWordOrOneCharacter) {
    struct Case {
        const char* name;
        std::string text;
        int x; // on the first row
        std::string expected;
    };
    const Case cases[] = {
        {"latin word", "say hello, world", 6 * 6, "hello"},
        {"digits and underscore", "x = abc_12;", 6 * 5, "abc_12"},
        {"punctuation alone", "say hello, world", 6 * 9 + 1, ","},
        {"space alone", "a b", 6 + 1, " "},
        {"chinese clause", "他说：今天天气好。明天", 12 * 4 + 1, "今天天气好"},
        {"chinese punctuation alone", "他说：今天", 12 * 2 + 1, "："},
        {"past the line end takes the last word", "one two\r\nx", 300, "two"},
        {"empty line selects nothing", "\r\nab", 300, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TextView view;
        showText(view, c.text, 600, 5);
        view.selectWordAt({c.x, 1});
        EXPECT_EQ(view.selectedText(), c.expected);
        EXPECT_EQ(view.caret(), view.selectionEnd());
    }
}

} // namespace

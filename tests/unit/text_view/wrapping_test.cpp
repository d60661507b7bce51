#include "view_fixture.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

constexpr int kAllRows = 1000;

std::vector<std::string> rowsOf(const std::string& text, int width) {
    TextView view;
    showText(view, text, width, kAllRows);
    return visibleRowTexts(view);
}

using Rows = std::vector<std::string>;

TEST(Wrapping, BreaksLatinAtSpacesAndCjkAnywhere) {
    struct Case {
        const char* name;
        std::string text;
        int width;
        Rows expected;
    };
    const Case cases[] = {
        {"fits", "hello", 60, {"hello"}},
        {"word moves whole", "hello world", 60, {"hello ", "world"}},
        {"word longer than a row is cut", "abcdefghijklmnop", 60, {"abcdefghij", "klmnop"}},
        {"spaces that do not fit hang", "aaaa     bbbb", 30, {"aaaa     ", "bbbb"}},
        {"cjk breaks between characters", "中文中文中文", 36, {"中文中", "文中文"}},
        {"cjk after a word", "hello中文", 42, {"hello中", "文"}},
        {"word after cjk", "中文hello", 40, {"中文", "hello"}},
        {"full-width comma is a character", "甲，乙，", 36, {"甲，乙", "，"}},
        {"character wider than the view", "a#b", 30, {"a", "#", "b"}},
        {"cjk wider than the view", "中文", 5, {"中", "文"}},
        {"hard lines", "ab\r\ncd\nef\rgh", 60, {"ab", "cd", "ef", "gh"}},
        {"empty lines each take a row", "\r\n\r\n", 60, {"", "", ""}},
        {"empty text has one row", "", 60, {""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(rowsOf(c.text, c.width), c.expected);
    }
}

TEST(Wrapping, WidthChangeWrapsAgainAndKeepsTheTopText) {
    const std::string text = "one two three four five six seven eight nine ten";
    EXPECT_EQ(rowsOf(text, 60),
              (Rows{"one two ", "three four ", "five six ", "seven ", "eight nine ", "ten"}));
    TextView view;
    showText(view, text, 60, 2);
    view.scrollToOffset(text.find("six"));
    EXPECT_EQ(visibleRowTexts(view), (Rows{"five six ", "seven "}));

    view.setViewSize(30, 2 * kTestRowHeight);
    EXPECT_EQ(visibleRowTexts(view), (Rows{"five ", "six "}));
    view.setViewSize(60, 2 * kTestRowHeight);
    EXPECT_EQ(visibleRowTexts(view), (Rows{"five six ", "seven "}));
}

TEST(Wrapping, FontChangeWrapsAgain) {
    TextView view;
    showText(view, "中文中文", 36, kAllRows);
    EXPECT_EQ(visibleRowTexts(view), (Rows{"中文中", "文"}));
    view.setFont([](std::string_view character) { return character.size() == 2 ? 18 : 6; },
                 kTestRowHeight);
    EXPECT_EQ(visibleRowTexts(view), (Rows{"中文", "中文"}));
}

TEST(Wrapping, AnEditCanRewrapTheRowsAboveIt) {
    struct Case {
        const char* name;
        std::string text;
        int width;
        Rows before;
        std::size_t deleted; // offset of the character that Delete removes
        Rows after;
    };
    const Case cases[] = {
        {"the row above takes a word back", "ab cd", 24, {"ab ", "cd"}, 4, {"ab c"}},
        // The wide '#' ended the first row before it was the second row's start.
        {"two rows above", "a cd# e", 30, {"a ", "cd", "# ", "e"}, 4, {"a cd ", "e"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TextView view;
        showText(view, c.text, c.width, kAllRows);
        EXPECT_EQ(visibleRowTexts(view), c.before);
        view.select(c.deleted, c.deleted);
        view.deleteForward();
        EXPECT_EQ(visibleRowTexts(view), c.after);
    }
}

// Rows kept from before an edit must be the rows the edited text has: each edit is
// checked against the same text wrapped afresh.
TEST(Wrapping, RowsAfterEditsMatchAFreshLayout) {
    const std::string pieces[] = {"a", "word ", "中", "文字", " ", "\r\n", "#", "xy"};
    std::string text;
    std::mt19937 random(7);
    for (int i = 0; i < 400; ++i)
        text += pieces[random() % 5]; // one long paragraph
    for (const int width : {30, 61}) {
        SCOPED_TRACE(width);
        TextView view;
        showText(view, text, width, kAllRows);
        visibleRowTexts(view);
        for (int step = 0; step < 120; ++step) {
            const std::size_t at = random() % (view.textLength() + 1);
            view.select(at, at);
            if (step % 3 == 0) {
                view.backspace();
            } else {
                view.insertText(pieces[random() % std::size(pieces)]);
            }
            ASSERT_EQ(visibleRowTexts(view), rowsOf(view.text(), width)) << "step " << step;
        }
    }
}

// Wrapping is lazy: showing the start of a long text never measures a character that
// only appears at its end.
TEST(Wrapping, LaysOutOnlyWhatIsShown) {
    std::string text;
    for (int i = 0; i < 2000; ++i)
        text += "中文中文中文中文中文\r\n";
    text += "@";
    bool measuredEnd = false;
    TextView view;
    view.setFont(
        [&](std::string_view character) {
            measuredEnd = measuredEnd || character == "@";
            return testWidth(character);
        },
        kTestRowHeight);
    view.setViewSize(60, 10 * kTestRowHeight);
    view.setText(text);
    view.visibleRows();
    view.select(100, 105);
    view.moveCaret(CaretMove::PageDown, false);
    EXPECT_FALSE(measuredEnd);
    view.select(text.size(), text.size());
    view.visibleRows();
    EXPECT_TRUE(measuredEnd);
}

} // namespace

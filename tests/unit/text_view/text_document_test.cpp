#include "shell/text_view/text_document.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

using Bounds = std::pair<std::size_t, std::size_t>; // start, content end

std::vector<Bounds> paragraphsOf(const TextDocument& document) {
    std::vector<Bounds> paragraphs;
    for (std::size_t index = 0; index < document.paragraphCount(); ++index) {
        const Paragraph paragraph = document.paragraph(index);
        paragraphs.emplace_back(paragraph.start, paragraph.contentEnd);
    }
    return paragraphs;
}

std::vector<Bounds> paragraphsOf(const std::string& text) {
    TextDocument document;
    document.assign(text);
    return paragraphsOf(document);
}

TEST(LineIndex, EveryKindOfLineBreakEndsALine) {
    struct Case {
        const char* name;
        std::string text;
        std::vector<Bounds> expected;
    };
    const Case cases[] = {
        {"empty text", "", {{0, 0}}},
        {"no break", "abc", {{0, 3}}},
        {"windows break", "ab\r\ncd", {{0, 2}, {4, 6}}},
        {"lone line feed", "ab\ncd", {{0, 2}, {3, 5}}},
        {"lone carriage return", "ab\rcd", {{0, 2}, {3, 5}}},
        {"break at the end opens an empty line", "ab\r\n", {{0, 2}, {4, 4}}},
        {"carriage return at the end", "ab\r", {{0, 2}, {3, 3}}},
        {"empty lines", "\r\n\r\n", {{0, 0}, {2, 2}, {4, 4}}},
        {"line feed then carriage return is two breaks", "a\n\rb", {{0, 1}, {2, 2}, {3, 4}}},
        {"carriage returns before a pair", "a\r\r\nb", {{0, 1}, {2, 2}, {4, 5}}},
        {"chinese lines", "中文\r\n甲", {{0, 4}, {6, 8}}},
        {"lead byte before a break stands alone", "a\xB0\nb", {{0, 2}, {3, 4}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(paragraphsOf(c.text), c.expected);
    }
}

TEST(LineIndex, FollowsEditsThatMakeOrUndoBreaks) {
    struct Case {
        const char* name;
        std::string text;
        std::size_t from;
        std::size_t to;
        std::string inserted;
        std::string result;
        std::vector<Bounds> expected;
    };
    const Case cases[] = {
        {"line feed after a lone carriage return joins it",
         "a\rb",
         2,
         2,
         "\n",
         "a\r\nb",
         {{0, 1}, {3, 4}}},
        {"text between the halves of a pair splits it",
         "a\r\nb",
         2,
         2,
         "x",
         "a\rx\nb",
         {{0, 1}, {2, 3}, {4, 5}}},
        {"deleting the line feed of a pair leaves a break",
         "a\r\nb",
         2,
         3,
         "",
         "a\rb",
         {{0, 1}, {2, 3}}},
        {"deleting a break joins lines",
         "ab\r\ncd\r\nef",
         2,
         4,
         "",
         "abcd\r\nef",
         {{0, 4}, {6, 8}}},
        {"inserting lines shifts the rest",
         "ab\r\ncd",
         1,
         1,
         "1\r\n2\n",
         "a1\r\n2\nb\r\ncd",
         {{0, 2}, {4, 5}, {6, 7}, {9, 11}}},
        {"deleting across lines", "ab\r\ncd\r\nef\r\ngh", 1, 9, "", "af\r\ngh", {{0, 2}, {4, 6}}},
        {"edit at the start", "\r\nab", 0, 0, "x", "x\r\nab", {{0, 1}, {3, 5}}},
        {"edit at the end", "ab", 2, 2, "\r", "ab\r", {{0, 2}, {3, 3}}},
        {"carriage return before a line feed", "ab\ncd", 2, 2, "\r", "ab\r\ncd", {{0, 2}, {4, 6}}},
        {"replacing everything", "a\r\nb\r\nc", 0, 7, "x\ny", "x\ny", {{0, 1}, {2, 3}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TextDocument document;
        document.assign(c.text);
        document.replace(c.from, c.to, c.inserted);
        EXPECT_EQ(document.text(), c.result);
        EXPECT_EQ(paragraphsOf(document), c.expected);
        EXPECT_EQ(paragraphsOf(document), paragraphsOf(c.result));
    }
}

// Many edits of every size at scattered places, checked against a plain string and a
// line index built afresh: the gap moves both ways, grows past its room, and breaks
// are made and undone at edit boundaries.
TEST(TextDocument, StaysInStepWithAPlainStringOverManyEdits) {
    const std::string pieces[] = {"a", "中", "\r", "\n", "\r\n", " ", "文字", "xyz"};
    std::mt19937 random(20240611);
    std::string expected = "start\r\n";
    TextDocument document;
    document.assign(expected);
    for (int step = 0; step < 1500; ++step) {
        const std::size_t from = random() % (expected.size() + 1);
        const std::size_t to = std::min(expected.size(), from + random() % 6);
        std::string inserted;
        const std::size_t count = step % 750 == 0 ? 2500 : random() % 4;
        for (std::size_t i = 0; i < count; ++i)
            inserted += pieces[random() % std::size(pieces)];
        document.replace(from, to, inserted);
        expected.replace(from, to - from, inserted);
        ASSERT_EQ(document.size(), expected.size()) << "step " << step;
        ASSERT_EQ(paragraphsOf(document), paragraphsOf(expected)) << "step " << step;
    }
    EXPECT_EQ(document.text(), expected);
    EXPECT_EQ(document.slice(3, 40), expected.substr(3, 37));
}

TEST(TextDocument, CharacterSizeStopsAtTheLimit) {
    TextDocument document;
    document.assign("a中\xB0\r\n");
    EXPECT_EQ(document.characterSizeAt(0, 4), 1u);
    EXPECT_EQ(document.characterSizeAt(1, 4), 2u);
    EXPECT_EQ(document.characterSizeAt(1, 2), 1u);
    EXPECT_EQ(document.characterSizeAt(3, document.paragraph(0).contentEnd), 1u);
}

} // namespace

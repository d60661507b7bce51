#include "view_fixture.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

// A view whose change notices are counted.
class Editing : public testing::Test {
  protected:
    void show(const std::string& text, std::size_t caret) {
        showText(view, text, 600, 5);
        view.select(caret, caret);
        view.setChangeListener([this] { ++changes; });
    }

    TextView view;
    int changes = 0;
};

TEST_F(Editing, BackspaceAndDeleteRemoveWholeCharacters) {
    struct Case {
        const char* name;
        std::string text;
        std::size_t caret;
        bool backspace; // else Delete
        std::string expected;
        std::size_t caretAfter;
    };
    const Case cases[] = {
        {"backspace a chinese character", "a中b", 3, true, "ab", 1},
        {"delete a chinese character", "a中b", 1, false, "ab", 1},
        {"backspace a line break pair", "a\r\nb", 3, true, "ab", 1},
        {"delete a line break pair", "a\r\nb", 1, false, "ab", 1},
        {"backspace a lone line feed", "a\nb", 2, true, "ab", 1},
        {"backspace inside a character takes it whole", "a中b", 2, true, "ab", 1},
        {"delete inside a character takes it whole", "a中b", 2, false, "ab", 1},
        {"delete inside a pair takes it whole", "a\r\nb", 2, false, "ab", 1},
        {"backspace an ascii byte", "a中b", 4, true, "a中", 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        show(c.text, c.caret);
        changes = 0;
        EXPECT_TRUE(c.backspace ? view.backspace() : view.deleteForward());
        EXPECT_EQ(view.text(), c.expected);
        EXPECT_EQ(view.caret(), c.caretAfter);
        EXPECT_EQ(view.anchor(), c.caretAfter);
        EXPECT_EQ(changes, 1);
    }
}

TEST_F(Editing, NothingToRemoveAtTheEnds) {
    show("ab", 0);
    EXPECT_FALSE(view.backspace());
    view.select(2, 2);
    EXPECT_FALSE(view.deleteForward());
    EXPECT_EQ(view.text(), "ab");
    EXPECT_EQ(changes, 0);
}

TEST_F(Editing, TypedLeadAndTrailBytesGoInAsOneCharacter) {
    show("ab", 1);
    const std::string character = "中";
    EXPECT_FALSE(view.typeByte(character[0]));
    EXPECT_EQ(view.text(), "ab");
    EXPECT_EQ(changes, 0);
    EXPECT_TRUE(view.typeByte(character[1]));
    EXPECT_EQ(view.text(), "a中b");
    EXPECT_EQ(view.caret(), 3u);
    EXPECT_EQ(changes, 1);

    // A lead byte followed by a control byte is dropped, and the control byte is not typed.
    EXPECT_FALSE(view.typeByte(character[0]));
    EXPECT_FALSE(view.typeByte('\b'));
    EXPECT_TRUE(view.typeByte('x'));
    EXPECT_EQ(view.text(), "a中xb");
}

TEST_F(Editing, TypingReplacesTheSelectionAndEnterInsertsALineBreak) {
    show("hello world", 0);
    view.select(6, 11);
    EXPECT_TRUE(view.typeByte('W'));
    EXPECT_TRUE(view.typeByte('\r'));
    EXPECT_FALSE(view.typeByte('\t'));
    EXPECT_EQ(view.text(), "hello W\r\n");
    EXPECT_EQ(view.caret(), 9u);
    EXPECT_EQ(changes, 2);
}

TEST_F(Editing, ASelectionSplittingCharactersIsReplacedWhole) {
    show("甲乙丙丁", 0);
    view.select(3, 5); // from inside 乙 to inside 丙
    EXPECT_TRUE(view.insertText("x"));
    EXPECT_EQ(view.text(), "甲x丁");
}

TEST_F(Editing, PastedTextKeepsOnlyWholeCharacters) {
    show("ab", 1);
    EXPECT_TRUE(view.insertText(std::string("中\xB0", 3)));
    EXPECT_EQ(view.text(), "a中b");
    EXPECT_TRUE(view.insertText(std::string("x\0y", 3)));
    EXPECT_EQ(view.text(), "a中xb");
    EXPECT_FALSE(view.insertText(""));
    EXPECT_EQ(changes, 2);
}

TEST_F(Editing, ReadOnlyRefusesEveryEditButNotMoves) {
    show("a中b", 1);
    view.typeByte('x');
    view.setReadOnly(true);
    const std::string character = "文";
    const std::function<bool()> edits[] = {
        [&] { return view.typeByte('y'); },
        [&] { return view.typeByte(character[0]) || view.typeByte(character[1]); },
        [&] { return view.pressEnter(); },
        [&] { return view.backspace(); },
        [&] { return view.deleteForward(); },
        [&] { return view.insertText("z"); },
        [&] { return view.undo(); },
    };
    changes = 0;
    for (const auto& edit : edits)
        EXPECT_FALSE(edit());
    EXPECT_EQ(view.text(), "ax中b");
    EXPECT_EQ(changes, 0);
    view.moveCaret(CaretMove::CharacterRight, true);
    EXPECT_EQ(view.selectedText(), "中");

    view.setReadOnly(false);
    EXPECT_TRUE(view.backspace());
    EXPECT_EQ(view.text(), "axb");
}

TEST_F(Editing, UndoTakesBackTheLastEditAndUndoAgainRedoesIt) {
    show("one two", 3);
    for (const char byte : std::string(" and"))
        view.typeByte(byte);
    EXPECT_EQ(view.text(), "one and two");
    EXPECT_TRUE(view.undo());
    EXPECT_EQ(view.text(), "one two");
    EXPECT_EQ(view.caret(), 3u);
    EXPECT_TRUE(view.undo());
    EXPECT_EQ(view.text(), "one and two");
    EXPECT_EQ(view.selectedText(), " and");
    EXPECT_EQ(changes, 6); // four typed bytes and two undos
}

TEST_F(Editing, RunsOfBackspacesOrDeletesUndoTogether) {
    show("abcdef", 4);
    view.backspace();
    view.backspace();
    EXPECT_EQ(view.text(), "abef");
    view.undo();
    EXPECT_EQ(view.text(), "abcdef");
    EXPECT_EQ(view.selectedText(), "cd");

    view.select(1, 1);
    view.deleteForward();
    view.deleteForward();
    view.undo();
    EXPECT_EQ(view.text(), "abcdef");
    EXPECT_EQ(view.selectedText(), "bc");
}

TEST_F(Editing, AMoveBetweenEditsStartsANewUndoRecord) {
    show("ab", 2);
    view.typeByte('c');
    view.moveCaret(CaretMove::CharacterLeft, false);
    view.typeByte('x');
    EXPECT_EQ(view.text(), "abxc");
    view.undo();
    EXPECT_EQ(view.text(), "abc");
}

TEST_F(Editing, SetTextForgetsUndoAndResetsTheSelection) {
    show("abc", 3);
    view.typeByte('d');
    view.setText("new text");
    EXPECT_FALSE(view.canUndo());
    EXPECT_FALSE(view.undo());
    EXPECT_EQ(view.anchor(), 0u);
    EXPECT_EQ(view.caret(), 0u);
    EXPECT_EQ(view.text(), "new text");
    EXPECT_EQ(changes, 1); // only the typing
}

} // namespace

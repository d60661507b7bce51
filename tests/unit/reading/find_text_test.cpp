// Finding text: the first occurrence from the start, byte positions, case and
// character boundaries respected.
#include "core/reader_state.h"
#include "tests/fake/fake_host.h"

#include <gtest/gtest.h>

namespace {

struct FindCase {
    const char* name;
    Text text;
    Text sought;
    int anchor, caret;
};

class Find : public testing::TestWithParam<FindCase> {};

TEST_P(Find, SelectsTheFirstOccurrenceAndFocusesTheEditor) {
    const FindCase& c = GetParam();
    FakeHost fake;
    fake.run([&] {
        fake.typeText(c.text);
        fake.chooseMenu(menuItem("查找文本"));
        fake.findBoxText = c.sought;
        for (int click = 0; click < 2; ++click) {
            fake.editorFocused = false;
            fake.clickFindButton();
            EXPECT_EQ(fake.selection.anchor, c.anchor);
            EXPECT_EQ(fake.selection.caret, c.caret);
            EXPECT_EQ(reader.foundPosition, c.anchor);
            EXPECT_TRUE(fake.editorFocused);
        }
    });
    EXPECT_EQ(fake.beeps, 0);
}

INSTANTIATE_TEST_SUITE_P(FindText, Find,
                         testing::Values(FindCase{"Ascii", "abcabc", "bc", 1, 3},
                                         FindCase{"Chinese", "第一章 三体", "三体", 7, 11},
                                         FindCase{"EmptySought", "abc", "", 0, 0}),
                         [](const testing::TestParamInfo<FindCase>& info) {
                             return info.param.name;
                         });

TEST(FindText, NothingFoundBeepsAndLeavesTheReadingPlace) {
    struct Case {
        Text text;
        Text sought;
    };
    // "\xD0\xCE" is a whole character, but in "中文" it only straddles two of them.
    for (const Case& c : {Case{"Abc", "abc"}, Case{"中文", "\xD0\xCE"}, Case{"", "x"}}) {
        FakeHost fake;
        fake.run([&] {
            fake.typeText(c.text);
            fake.clickAt(1);
            fake.chooseMenu(menuItem("查找文本"));
            fake.findBoxText = c.sought;
            fake.editorFocused = false;
            fake.clickFindButton();
            EXPECT_EQ(fake.selection.anchor, std::min<int>(1, c.text.size()));
            EXPECT_EQ(fake.selection.caret, std::min<int>(1, c.text.size()));
            EXPECT_FALSE(fake.editorFocused);
        });
        EXPECT_EQ(fake.beeps, 1);
        EXPECT_EQ(fake.boxes.size(), 0u);
    }
}

TEST(FindText, OpeningItAgainBringsTheSameWindowForward) {
    FakeHost fake;
    fake.run([&] {
        fake.chooseMenu(menuItem("查找文本"));
        fake.findBoxText = "kept";
        fake.chooseMenu(menuItem("查找文本"));
        EXPECT_EQ(fake.findWindowActivations, 1);
        EXPECT_EQ(fake.findBoxText, "kept");
    });
}

} // namespace

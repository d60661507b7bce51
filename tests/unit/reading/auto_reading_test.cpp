// Auto-reading: the block's steps through the text, its pace and its width.
#include "core/reader_state.h"
#include "tests/fake/fake_host.h"

#include <gtest/gtest.h>

namespace {

void switchOn(FakeHost& fake) {
    fake.chooseMenu(menuItem("自动阅读文本"));
}

TEST(AutoReading, SwitchingOnAndOffChecksTheItemShowsTheMenuAndRunsTheTimer) {
    FakeHost fake;
    fake.run([&] {
        EXPECT_FALSE(fake.isMenuPresent(menuItem("自动阅读 ")));
        switchOn(fake);
        EXPECT_TRUE(fake.menu(menuItem("自动阅读文本")).checked);
        EXPECT_TRUE(fake.isMenuPresent(menuItem("加速")));
        EXPECT_EQ(fake.timerPeriods[timerIndex(Timer::时钟1)], 100);
        switchOn(fake);
        EXPECT_FALSE(fake.menu(menuItem("自动阅读文本")).checked);
        EXPECT_FALSE(fake.isMenuPresent(menuItem("自动阅读 ")));
        EXPECT_EQ(fake.timerPeriods[timerIndex(Timer::时钟1)], 0);
    });
}

TEST(AutoReading, EachTickMovesTheBlockThreeBytesOnAndKeepsItsLength) {
    FakeHost fake;
    fake.run([&] {
        fake.typeText("第一章 天色将明，远山如黛。");
        fake.clickAt(0);
        switchOn(fake);
        fake.tickTimer(Timer::时钟1);
        EXPECT_EQ(fake.selection.anchor, 3);
        EXPECT_EQ(fake.selection.caret, 8);
        EXPECT_TRUE(fake.editorFocused);
        fake.tickTimer(Timer::时钟1);
        EXPECT_EQ(fake.selection.anchor, 6);
        EXPECT_EQ(fake.selection.caret, 11);
    });
}

TEST(AutoReading, AClickMovesTheReadingPlace) {
    FakeHost fake;
    fake.run([&] {
        fake.typeText(std::string(100, 'a'));
        switchOn(fake);
        fake.tickTimer(Timer::时钟1);
        fake.clickAt(40);
        fake.tickTimer(Timer::时钟1);
        EXPECT_EQ(fake.selection.anchor, 43);
        EXPECT_EQ(fake.selection.caret, 48);
    });
}

TEST(AutoReading, AtTheEndOfTheTextTheBlockHoldsThereEmpty) {
    FakeHost fake;
    fake.run([&] {
        fake.typeText("abcdefg");
        fake.clickAt(5);
        switchOn(fake);
        for (int tick = 0; tick < 3; ++tick) {
            fake.tickTimer(Timer::时钟1);
            EXPECT_EQ(fake.selection.anchor, 7);
            EXPECT_EQ(fake.selection.caret, 7);
        }
        EXPECT_EQ(fake.timerPeriods[timerIndex(Timer::时钟1)], 100) << "it keeps ticking";
    });
}

TEST(AutoReading, FasterAndSlowerFollowTheirStepsWhileRunning) {
    FakeHost fake;
    fake.run([&] {
        switchOn(fake);
        std::vector<int> periods;
        for (int i = 0; i < 16; ++i) {
            fake.chooseMenu(menuItem("加速"));
            periods.push_back(fake.timerPeriods[timerIndex(Timer::时钟1)]);
            EXPECT_EQ(reader.autoReadPeriod, periods.back());
        }
        EXPECT_EQ(periods,
                  (std::vector<int>{80, 60, 40, 20, 18, 16, 14, 12, 10, 8, 6, 4, 2, 1, 1, 1}));
        fake.chooseMenu(menuItem("减速"));
        EXPECT_EQ(reader.autoReadPeriod, 21);
        fake.chooseMenu(menuItem("加速"));
        EXPECT_EQ(reader.autoReadPeriod, 1);
        EXPECT_EQ(fake.timerPeriods[timerIndex(Timer::时钟1)], 1);
    });
}

TEST(AutoReading, WhileStoppedTheSpeedKeysChangeOnlyThePaceToUseNext) {
    struct Case {
        int start;
        bool faster;
        int expected;
    };
    for (const Case& c : {Case{100, true, 80}, Case{21, true, 1}, Case{20, true, 18},
                          Case{2, true, 1}, Case{100, false, 120}, Case{1, false, 21}}) {
        FakeHost fake;
        fake.run([&] {
            reader.autoReadPeriod = c.start;
            int restarts = fake.timerRestarts[timerIndex(Timer::时钟1)];
            fake.pressHotkey(c.faster ? reader.hotkeyFaster : reader.hotkeySlower);
            EXPECT_EQ(reader.autoReadPeriod, c.expected);
            EXPECT_EQ(fake.timerPeriods[timerIndex(Timer::时钟1)], 0);
            EXPECT_EQ(fake.timerRestarts[timerIndex(Timer::时钟1)], restarts);
            EXPECT_FALSE(fake.menu(menuItem("自动阅读文本")).checked);
            switchOn(fake);
            EXPECT_EQ(fake.timerPeriods[timerIndex(Timer::时钟1)], c.expected);
        });
    }
}

TEST(AutoReading, TheBlockGrowsAndShrinksByTwoAndItsCaptionFollows) {
    FakeHost fake;
    fake.run([&] {
        EXPECT_EQ(fake.menu(menuItem("阅读方形(5)")).caption, "阅读方形(5)");
        fake.pressHotkey(reader.hotkeyLonger);
        EXPECT_EQ(reader.readingBlockLength, 7);
        EXPECT_EQ(fake.menu(menuItem("阅读方形(5)")).caption, "阅读方形 (7)");
        std::vector<int> lengths;
        for (int i = 0; i < 5; ++i) {
            fake.pressHotkey(reader.hotkeyShorter);
            lengths.push_back(reader.readingBlockLength);
        }
        EXPECT_EQ(lengths, (std::vector<int>{5, 3, 1, 1, 1}));
        EXPECT_EQ(fake.menu(menuItem("阅读方形(5)")).caption, "阅读方形 (1)");
    });
}

} // namespace

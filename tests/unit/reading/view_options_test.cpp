// Read-only, always on top, font, help, layout and the position timer.
#include "core/reader_state.h"
#include "tests/fake/fake_host.h"

#include <gtest/gtest.h>

namespace {

TEST(ViewOptions, ReadOnlySwitchesTheEditorAndRemembersTheChoice) {
    FakeHost fake;
    fake.run([&] {
        fake.chooseMenu(menuItem("只读"));
        EXPECT_TRUE(fake.editorReadOnly);
        EXPECT_TRUE(fake.menu(menuItem("只读")).checked);
        EXPECT_EQ(fake.storedSetting("功能", "只读"), "真");
        fake.typeText("x");
        EXPECT_EQ(fake.editorText, "");
        fake.chooseMenu(menuItem("只读"));
        EXPECT_FALSE(fake.editorReadOnly);
    });
    EXPECT_EQ(fake.storedSetting("功能", "只读"), "假");
}

TEST(ViewOptions, AlwaysOnTopFollowsTheWindowsOwnFlag) {
    FakeHost fake;
    fake.run([&] {
        fake.chooseMenu(menuItem("前置"));
        EXPECT_FALSE(fake.windowTopmost);
        EXPECT_FALSE(fake.menu(menuItem("前置")).checked);
        fake.chooseMenu(menuItem("前置"));
        EXPECT_TRUE(fake.windowTopmost);
        EXPECT_TRUE(fake.menu(menuItem("前置")).checked);
    });
}

TEST(ViewOptions, AnAcceptedFontIsAppliedAndSaved) {
    FakeHost fake;
    fake.fontDialogAnswers = {FontChoice{255, 12, "黑体", true, true}};
    fake.run([&] {
        fake.chooseMenu(menuItem("字体"));
        EXPECT_EQ(fake.editorFont.height, -16);
        EXPECT_EQ(fake.editorFont.faceName, "黑体");
        EXPECT_EQ(fake.editorFont.weight, 700);
        EXPECT_EQ(fake.editorColour, 255);
    });
    EXPECT_EQ(fake.storedSetting("小说", "字体大小"), "12");
    EXPECT_EQ(fake.storedSetting("小说", "字体名称"), "黑体");
    EXPECT_EQ(fake.storedSetting("小说", "字体加粗"), "真");
    EXPECT_EQ(fake.storedSetting("小说", "字体颜色"), "255");
}

TEST(ViewOptions, ACancelledFontDialogChangesNothing) {
    FakeHost fake;
    const Text stored = "[小说]\r\n字体大小=14\r\n字体名称=黑体\r\n";
    fake.files.put(fake.settingsPath(), stored);
    fake.fontDialogAnswers = {FontChoice{0, 0, "", false, false}};
    fake.run([&] {
        fake.chooseMenu(menuItem("字体"));
        EXPECT_EQ(fake.editorFont.height, -19);
        EXPECT_EQ(fake.editorFont.faceName, "黑体");
    });
    EXPECT_EQ(fake.files.get(fake.settingsPath()), stored);
}

TEST(ViewOptions, HelpShowsTheHotkeysInOneLine) {
    FakeHost fake;
    fake.boxAnswers = {kOk};
    fake.run([&] { fake.chooseMenu(menuItem("查看帮助")); });
    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_EQ(fake.boxes[0].text, "隐藏 ALT+X 自动阅读 ALT+A 自动阅读速度加快 CTLR+1 减慢 CTLR+2 "
                                  "阅读方形长度加长 CTLR+3 减短 CTLR+4");
    EXPECT_EQ(fake.boxes[0].style, 0x1000);
    EXPECT_EQ(fake.boxes[0].title, "提示");
}

TEST(ViewOptions, TheEditorFollowsTheWindowsSize) {
    FakeHost fake;
    fake.run([&] {
        EXPECT_EQ(fake.editorSize.width, 331);
        EXPECT_EQ(fake.editorSize.height, 208);
        fake.windowSize = {10, 40000};
        kEvents.sizeChanged();
        EXPECT_EQ(fake.editorSize.width, 0);
        EXPECT_EQ(fake.editorSize.height, 32627);
    });
}

TEST(ViewOptions, ThePositionTimerSavesTheReadingPlaceOfAnOpenDocument) {
    FakeHost fake;
    fake.files.put("C:\\a.txt", "0123456789");
    fake.boxAnswers = {kNo};
    fake.run([&] {
        fake.chooseMenu(menuItem("保存浏览位置(10秒保存一次)"));
        EXPECT_EQ(fake.timerPeriods[timerIndex(Timer::时钟2)], 10000);
        fake.typeText("draft");
        fake.tickTimer(Timer::时钟2);
        EXPECT_FALSE(fake.storedSetting("选择", "选项").has_value()) << "no document open";
        fake.dropFiles({"C:\\a.txt"});
        fake.clickAt(6);
        fake.tickTimer(Timer::时钟2);
        EXPECT_EQ(fake.storedSetting("选择", "选项"), "6");
        fake.chooseMenu(menuItem("保存浏览位置(10秒保存一次)"));
        EXPECT_EQ(fake.timerPeriods[timerIndex(Timer::时钟2)], 0);
        EXPECT_FALSE(fake.menu(menuItem("保存浏览位置(10秒保存一次)")).checked);
        fake.requestClose();
    });
}

TEST(ViewOptions, WordWrapDoesNothing) {
    FakeHost fake;
    fake.run([&] {
        int rebuilds = fake.menuRebuilds;
        fake.chooseMenu(menuItem("自动换行"));
        EXPECT_FALSE(fake.menu(menuItem("自动换行")).checked);
        EXPECT_EQ(fake.menuRebuilds, rebuilds);
    });
}

} // namespace

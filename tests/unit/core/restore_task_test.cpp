// Continuing the last reading at start: the questions, the reopened document and the
// jump back to the saved position.
#include "core/reader_state.h"
#include "tests/fake/fake_host.h"

#include <gtest/gtest.h>

namespace {

const Text kBook = "C:\\books\\a.txt";
const Text kOpen = "已发现上次阅读文本是否打开？";
const Text kMissing = "文件已不存在！";
const Text kJump = "已发现上次阅读文本的位置，是否跳到上次阅读位置？";

Text settings(const Text& path, const Text& position) {
    return "[小说]\r\n路径=" + path + "\r\n[选择]\r\n选项=" + position + "\r\n";
}

std::vector<Text> shownTexts(const FakeHost& fake) {
    std::vector<Text> texts;
    for (const ShownBox& box : fake.boxes)
        texts.push_back(box.text);
    return texts;
}

TEST(Restore, WithoutASettingsFileNothingIsOffered) {
    FakeHost fake;
    fake.run([&] { EXPECT_EQ(fake.editorText, ""); });
    EXPECT_TRUE(fake.boxes.empty());
}

TEST(Restore, ReopensTheDocumentAndJumpsToThePosition) {
    FakeHost fake;
    fake.files.put(kBook, "0123456789");
    fake.files.put(fake.settingsPath(), settings(kBook, "4"));
    fake.boxAnswers = {kYes, kYes};
    fake.run([&] {
        EXPECT_EQ(fake.editorText, "0123456789");
        EXPECT_EQ(fake.selection.anchor, 4);
        EXPECT_EQ(reader.documentModified, 0);
        EXPECT_NE(reader.documentFile, 0);
        EXPECT_EQ(fake.windowCaption, "a.txt - 记事本");
        EXPECT_FALSE(fake.editorFocused);
    });
    EXPECT_EQ(shownTexts(fake), (std::vector<Text>{kOpen, kJump}));
    EXPECT_EQ(fake.boxes[0].style, 4132);
    EXPECT_EQ(fake.boxes[1].style, 4100);
    EXPECT_EQ(fake.boxes[0].title, "提示");
}

TEST(Restore, RefusingToReopenEndsTheTaskAndChangesNothing) {
    FakeHost fake;
    fake.files.put(kBook, "text");
    fake.files.put(fake.settingsPath(), settings(kBook, "4"));
    fake.boxAnswers = {kNo};
    fake.run([&] { EXPECT_EQ(fake.editorText, ""); });
    EXPECT_EQ(shownTexts(fake), (std::vector<Text>{kOpen}));
    EXPECT_EQ(fake.files.get(fake.settingsPath()), settings(kBook, "4"));
}

TEST(Restore, AVanishedDocumentIsForgottenAndTheNextStartOffersNothing) {
    FakeHost fake;
    fake.files.put(fake.settingsPath(), settings(kBook, "4"));
    fake.boxAnswers = {kYes, kOk};
    fake.run([&] { EXPECT_EQ(reader.documentPath, kBook) << "kept in memory for this run"; });
    EXPECT_EQ(shownTexts(fake), (std::vector<Text>{kOpen, kMissing}));
    EXPECT_EQ(fake.boxes[1].style, 4096);
    EXPECT_EQ(fake.storedSetting("小说", "路径"), "");
    EXPECT_EQ(fake.storedSetting("选择", "选项"), "");

    Bytes stored = *fake.files.get(fake.settingsPath());
    FakeHost next;
    next.files.put(next.settingsPath(), stored);
    next.run();
    EXPECT_TRUE(next.boxes.empty());
}

TEST(Restore, AReopenedDocumentCountsAsUnchangedWhenClosing) {
    FakeHost fake;
    fake.files.put(kBook, "text");
    fake.files.put(fake.settingsPath(), settings(kBook, ""));
    fake.boxAnswers = {kYes, kNo};
    fake.run([&] { EXPECT_TRUE(fake.requestClose()); });
    EXPECT_EQ(shownTexts(fake), (std::vector<Text>{kOpen, "是否保存此次浏览的位置？"}));
}

TEST(Restore, TheSavedPositionIsTakenIntoTheText) {
    struct Case {
        Text position;
        int start;
    };
    for (const Case& c :
         {Case{"3", 3}, Case{"25", 10}, Case{"-1", 10}, Case{"-5", 0}, Case{"abc", 0}}) {
        FakeHost fake;
        fake.files.put(kBook, "0123456789");
        fake.files.put(fake.settingsPath(), settings(kBook, c.position));
        fake.boxAnswers = {kYes, kYes};
        fake.run([&] {
            EXPECT_EQ(fake.selection.anchor, c.start) << c.position;
            EXPECT_EQ(fake.selection.caret, c.start) << c.position;
        });
    }
}

TEST(Restore, AStoredPositionAloneIsOfferedAtOnce) {
    FakeHost fake;
    fake.files.put(fake.settingsPath(), settings("", "4"));
    fake.boxAnswers = {kYes};
    fake.run([&] {
        EXPECT_EQ(fake.remembered.start, 4);
        EXPECT_EQ(fake.editorText, "");
    });
    EXPECT_EQ(shownTexts(fake), (std::vector<Text>{kJump}));
}

} // namespace

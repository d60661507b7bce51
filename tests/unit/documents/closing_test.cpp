// Closing the window, closing the document and exiting: every branch of the prompts.
#include "core/reader_state.h"
#include "tests/fake/fake_host.h"

#include <gtest/gtest.h>

namespace {

const Text kBook = "C:\\books\\a.txt";

enum class Start { empty, edited, document, editedDocument };

struct CloseCase {
    const char* name;
    Start start;
    std::deque<int> answers;
    std::deque<Text> dialogs;
    std::vector<Text> prompts; // texts of the boxes, in order
    bool windowCloses;
    int exitCode;
    std::optional<Text> position; // "选择"/"选项" afterwards
    std::optional<Text> written;  // where the text went, if anywhere
};

class CloseRequest : public testing::TestWithParam<CloseCase> {};

const Text kChanged = "文字已经改变,想保存文件吗?";
const Text kPosition = "是否保存此次浏览的位置？";
const Text kDocument = "文件 C:\\books\\a.txt 的文字已经改变。\r\n想保存文件吗?";

TEST_P(CloseRequest, AsksAndSavesAsTheUserAnswers) {
    const CloseCase& c = GetParam();
    FakeHost fake;
    fake.files.put(kBook, "story");
    fake.boxAnswers = c.answers;
    fake.fileDialogAnswers = c.dialogs;
    bool closed = false;
    int code = fake.run([&] {
        if (c.start == Start::document || c.start == Start::editedDocument) {
            fake.dropFiles({kBook});
            fake.waitForWorkers();
        }
        fake.clickAt(3);
        if (c.start == Start::edited || c.start == Start::editedDocument) fake.typeText("+");
        closed = fake.requestClose();
        EXPECT_EQ(closed, c.windowCloses);
    });
    EXPECT_EQ(code, c.exitCode);
    std::vector<Text> shown;
    for (const ShownBox& box : fake.boxes)
        shown.push_back(box.text);
    EXPECT_EQ(shown, c.prompts);
    EXPECT_EQ(fake.storedSetting("选择", "选项"), c.position);
    if (c.written) {
        auto bytes = fake.files.get(*c.written);
        ASSERT_TRUE(bytes.has_value());
        EXPECT_NE(bytes->find('+'), Text::npos);
    } else {
        EXPECT_EQ(fake.files.get(kBook), "story");
    }
    EXPECT_TRUE(fake.boxAnswers.empty()) << "every scripted answer was asked for";
}

INSTANTIATE_TEST_SUITE_P(
    Closing, CloseRequest,
    testing::Values(
        CloseCase{"Unchanged", Start::empty, {}, {}, {}, true, 0, {}, {}},
        CloseCase{"ChangedYesSaves",
                  Start::edited,
                  {kYes},
                  {"C:\\out\\n"},
                  {kChanged},
                  true,
                  0,
                  {},
                  "C:\\out\\n.txt"},
        CloseCase{
            "ChangedYesCancelledDialog", Start::edited, {kYes}, {""}, {kChanged}, false, 0, {}, {}},
        CloseCase{"ChangedNo", Start::edited, {kNo}, {}, {kChanged}, false, 0, {}, {}},
        CloseCase{"ChangedCancel", Start::edited, {kCancel}, {}, {kChanged}, false, 0, {}, {}},
        CloseCase{
            "DocumentKeepPosition", Start::document, {kYes}, {}, {kPosition}, true, 0, "3", {}},
        CloseCase{
            "DocumentForgetPosition", Start::document, {kNo}, {}, {kPosition}, true, 0, {}, {}},
        CloseCase{"EditedDocumentYes",
                  Start::editedDocument,
                  {kYes, kYes},
                  {},
                  {kPosition, kDocument},
                  false,
                  0,
                  "4",
                  kBook},
        CloseCase{"EditedDocumentNo",
                  Start::editedDocument,
                  {kNo, kNo},
                  {},
                  {kPosition, kDocument},
                  false,
                  0,
                  {},
                  {}},
        CloseCase{"EditedDocumentCancelStaysOpen",
                  Start::editedDocument,
                  {kYes, kCancel},
                  {},
                  {kPosition, kDocument},
                  false,
                  0,
                  "4",
                  {}}),
    [](const testing::TestParamInfo<CloseCase>& info) { return info.param.name; });

TEST(Closing, TheChangedTextPromptHasNoTitleAndTheOthersTheirOwn) {
    FakeHost fake;
    fake.files.put(kBook, "story");
    fake.boxAnswers = {kCancel, kNo, kCancel};
    fake.run([&] {
        fake.typeText("x");
        fake.requestClose();
        fake.dropFiles({kBook});
        fake.typeText("x");
        fake.requestClose();
    });
    ASSERT_EQ(fake.boxes.size(), 3u);
    EXPECT_EQ(fake.boxes[0].title, "信息：");
    EXPECT_EQ(fake.boxes[0].style, 4147);
    EXPECT_EQ(fake.boxes[1].title, "提示");
    EXPECT_EQ(fake.boxes[1].style, 4100);
    EXPECT_EQ(fake.boxes[2].title, "Vellumry");
    EXPECT_EQ(fake.boxes[2].style, 4147);
}

TEST(Closing, AFailedWriteWhenClosingKeepsTheWindowOpenWithTheText) {
    FakeHost fake;
    fake.files.put(kBook, "story");
    fake.files.denyWriting(kBook);
    fake.boxAnswers = {kNo, kYes, kOk};
    fake.run([&] {
        fake.dropFiles({kBook});
        fake.typeText("+");
        EXPECT_FALSE(fake.requestClose());
        EXPECT_EQ(reader.documentModified, 1);
        EXPECT_NE(reader.documentFile, 0);
    });
    EXPECT_EQ(fake.boxes.back().text, "保存失败：" + kBook);
}

TEST(Closing, AfterCloseDocumentTheEmptyEditorCountsAsChanged) {
    FakeHost fake;
    fake.files.put(kBook, "story");
    fake.boxAnswers = {kCancel};
    fake.run([&] {
        fake.dropFiles({kBook});
        fake.waitForWorkers();
        fake.chooseMenu(menuItem("关闭文档"));
        EXPECT_EQ(reader.documentFile, 0);
        EXPECT_EQ(fake.editorText, "");
        EXPECT_EQ(reader.documentPath, kBook);
        EXPECT_EQ(fake.windowCaption, "a.txt - 记事本");
        EXPECT_EQ(fake.files.openCount(), 0);
        fake.requestClose();
    });
    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_EQ(fake.boxes[0].text, kChanged);
}

TEST(Closing, ExitEndsAtOnceWithoutAskingOrWriting) {
    FakeHost fake;
    fake.files.put(kBook, "story");
    int code = fake.run([&] {
        fake.dropFiles({kBook});
        fake.typeText("+");
        fake.chooseMenu(menuItem("退出"));
        ADD_FAILURE() << "exit returned";
    });
    EXPECT_EQ(code, 0);
    EXPECT_TRUE(fake.boxes.empty());
    EXPECT_EQ(fake.files.get(kBook), "story");
    EXPECT_FALSE(fake.storedSetting("选择", "选项").has_value());
    EXPECT_EQ(fake.exitCleanupRuns, 1);
}

} // namespace

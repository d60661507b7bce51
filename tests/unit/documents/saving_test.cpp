// New, save and save as: what is written where, what the document becomes, and that a
// failed write is never taken for a save.
#include "core/reader_state.h"
#include "tests/fake/fake_host.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

const Text kBook = "C:\\books\\a.txt";

// Starts the reader with kBook dropped and the text then edited.
void openAndEdit(FakeHost& fake, const Text& typed = " more") {
    fake.dropFiles({kBook});
    fake.waitForWorkers();
    fake.clickAt(static_cast<int>(fake.editorText.size()));
    fake.typeText(typed);
}

TEST(Saving, NewWithUnchangedTextDoesNothing) {
    FakeHost fake;
    fake.files.put(kBook, "story");
    fake.run([&] {
        fake.chooseMenu(menuItem("新建"));
        fake.dropFiles({kBook});
        fake.chooseMenu(menuItem("新建"));
        EXPECT_EQ(fake.editorText, "story");
    });
    EXPECT_TRUE(fake.boxes.empty());
}

TEST(Saving, NewWithoutADocumentSavesUnderTheTxtNameAndEmptiesTheEditor) {
    FakeHost fake;
    fake.boxAnswers = {kYes};
    fake.fileDialogAnswers = {"C:\\out\\notes"};
    fake.run([&] {
        fake.typeText("draft");
        fake.chooseMenu(menuItem("新建"));
        EXPECT_EQ(fake.editorText, "");
        EXPECT_EQ(reader.documentPath, "C:\\out\\notes.txt");
        EXPECT_EQ(reader.documentModified, 1) << "the emptied editor counts as changed";
    });
    EXPECT_EQ(fake.files.get("C:\\out\\notes.txt"), "draft");
    EXPECT_FALSE(fake.files.exists("C:\\out\\notes"));
    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_EQ(fake.boxes[0].text, "文字已经改变,想保存文件吗?");
    EXPECT_EQ(fake.boxes[0].style, 4147);
    EXPECT_EQ(fake.boxes[0].title, "Vellumry");
    ASSERT_EQ(fake.fileDialogs.size(), 1u);
    EXPECT_EQ(fake.fileDialogs[0].kind, FileDialogKind::save);
    EXPECT_EQ(fake.fileDialogs[0].initialDirectory, fake.desktop);
}

TEST(Saving, NewWithADocumentOpenSavesItBeforeClosingIt) {
    FakeHost fake;
    fake.files.put(kBook, "story");
    fake.boxAnswers = {kYes};
    fake.run([&] {
        openAndEdit(fake);
        fake.chooseMenu(menuItem("新建"));
        EXPECT_EQ(reader.documentFile, 0);
        EXPECT_EQ(fake.editorText, "");
    });
    EXPECT_EQ(fake.files.get(kBook), "story more");
    EXPECT_EQ(fake.boxes[0].text, "文件 C:\\books\\a.txt 的文字已经改变。\r\n想保存文件吗?");
    EXPECT_EQ(fake.files.openCount(), 0);
}

TEST(Saving, NewAnsweredNoEmptiesTheEditorAndKeepsTheDocumentOpen) {
    FakeHost fake;
    fake.files.put(kBook, "story");
    fake.boxAnswers = {kNo};
    fake.run([&] {
        openAndEdit(fake);
        int file = reader.documentFile;
        fake.chooseMenu(menuItem("新建"));
        EXPECT_EQ(fake.editorText, "");
        EXPECT_EQ(reader.documentFile, file);
    });
    EXPECT_EQ(fake.files.get(kBook), "story");
}

TEST(Saving, SaveWithADocumentOpenWritesItAndClearsTheChangedMark) {
    FakeHost fake;
    fake.files.put(kBook, "story");
    fake.boxAnswers = {kNo};
    fake.run([&] {
        openAndEdit(fake);
        fake.chooseMenu(menuItem("保存"));
        EXPECT_EQ(reader.documentModified, 0);
        EXPECT_NE(reader.documentFile, 0) << "the document is open again";
        fake.requestClose();
    });
    EXPECT_EQ(fake.files.get(kBook), "story more");
    ASSERT_EQ(fake.boxes.size(), 1u) << "closing asks only about the reading position";
    EXPECT_EQ(fake.boxes[0].text, "是否保存此次浏览的位置？");
}

TEST(Saving, SaveWithoutADocumentNamesTheFileButOpensNothing) {
    FakeHost fake;
    fake.fileDialogAnswers = {"C:\\out\\Story.TXT"};
    fake.run([&] {
        fake.typeText("draft");
        fake.chooseMenu(menuItem("保存"));
        EXPECT_EQ(reader.documentPath, "C:\\out\\Story.TXT");
        EXPECT_EQ(reader.documentFile, 0);
        EXPECT_EQ(reader.documentModified, 0);
        EXPECT_EQ(fake.windowCaption, kMainWindowTitle);
        EXPECT_TRUE(fake.requestClose()) << "nothing left to ask about";
    });
    EXPECT_EQ(fake.files.get("C:\\out\\Story.TXT"), "draft");
}

TEST(Saving, SaveAsKeepsAnExistingTxtNameAndFollowsItInTheCaption) {
    struct Case {
        Text chosen;
        Text written;
    };
    for (const Case& c :
         {Case{"C:\\out\\a.txt", "C:\\out\\a.txt"}, Case{"C:\\out\\a.text", "C:\\out\\a.text.txt"},
          Case{"C:\\out\\书", "C:\\out\\书.txt"}}) {
        FakeHost fake;
        fake.fileDialogAnswers = {c.chosen};
        fake.run([&] {
            fake.typeText("draft");
            fake.chooseMenu(menuItem("另存为"));
            fake.waitForWorkers();
            EXPECT_EQ(reader.documentPath, c.written);
            EXPECT_EQ(reader.documentModified, 1);
            EXPECT_EQ(fake.windowCaption,
                      c.written.substr(c.written.rfind('\\') + 1) + " - 记事本");
        });
        EXPECT_EQ(fake.files.get(c.written), "draft");
    }
}

TEST(Saving, SaveAsOverTheOpenDocumentItselfSucceeds) {
    FakeHost fake;
    fake.files.put(kBook, "story");
    fake.fileDialogAnswers = {kBook};
    fake.run([&] {
        openAndEdit(fake);
        fake.chooseMenu(menuItem("另存为"));
        fake.waitForWorkers();
        EXPECT_NE(reader.documentFile, 0);
    });
    EXPECT_EQ(fake.files.get(kBook), "story more");
    EXPECT_TRUE(fake.boxes.empty());
}

TEST(Saving, SaveAsOfAnEmptyEditorWritesAnEmptyFile) {
    FakeHost fake;
    fake.fileDialogAnswers = {"C:\\empty"};
    fake.run([&] { fake.chooseMenu(menuItem("另存为")); });
    EXPECT_EQ(fake.files.get("C:\\empty.txt"), "");
}

// A file may hold a byte 0 or 26 that ends the text the editor shows. Writing the document
// back over its own file must not cut away the bytes from there on, which the user never saw.
TEST(Saving, WritingTheDocumentBackKeepsTheBytesAfterItsText) {
    using namespace std::string_literals;
    struct Case {
        const char* name;
        std::optional<MenuItem> item; // none: the window is closed
        std::deque<int> answers;
    };
    for (const Case& c :
         {Case{"保存", menuItem("保存"), {}}, Case{"新建, Yes", menuItem("新建"), {kYes}},
          Case{"closing, Yes", std::nullopt, {kNo, kYes}}}) {
        for (const Bytes& hidden : {"\0tail"s, "\x1A\r\nappendix"s, "\xD6\0"s}) {
            SCOPED_TRACE(std::string(c.name) + ", hidden bytes of length " +
                         std::to_string(hidden.size()));
            FakeHost fake;
            fake.files.put(kBook, "story" + hidden);
            fake.boxAnswers = c.answers;
            fake.run([&] {
                openAndEdit(fake);
                EXPECT_EQ(fake.editorText, "story more");
                if (c.item) {
                    fake.chooseMenu(*c.item);
                } else {
                    fake.requestClose();
                }
            });
            EXPECT_EQ(fake.files.get(kBook), "story more" + hidden);
        }
    }
}

TEST(Saving, TheBytesAfterTheTextSurviveEverySaveButStayOutOfOtherFiles) {
    using namespace std::string_literals;
    FakeHost fake;
    fake.files.put(kBook, "story\0tail"s);
    fake.fileDialogAnswers = {"C:\\out\\copy.txt"};
    fake.run([&] {
        openAndEdit(fake, " more");
        fake.chooseMenu(menuItem("保存"));
        fake.typeText(" again");
        fake.chooseMenu(menuItem("保存"));
        fake.chooseMenu(menuItem("另存为"));
        fake.waitForWorkers();
    });
    EXPECT_EQ(fake.files.get(kBook), "story more again\0tail"s);
    EXPECT_EQ(fake.files.get("C:\\out\\copy.txt"), "story more again");
    EXPECT_TRUE(fake.boxes.empty());
}

struct FailedWriteCase {
    const char* name;
    MenuItem item;
    bool withDocument;
    std::deque<int> answers;
    std::deque<Text> dialogs;
    Text target;
};

class FailedWrite : public testing::TestWithParam<FailedWriteCase> {};

TEST_P(FailedWrite, IsShownAndChangesNothing) {
    const FailedWriteCase& c = GetParam();
    FakeHost fake;
    fake.files.put(kBook, "story");
    fake.files.denyWriting(c.target);
    fake.boxAnswers = c.answers;
    fake.boxAnswers.push_back(kOk);
    fake.fileDialogAnswers = c.dialogs;
    fake.run([&] {
        if (c.withDocument) {
            openAndEdit(fake);
        } else {
            fake.typeText("draft");
        }
        const Text text = fake.editorText, path = reader.documentPath, caption = fake.windowCaption;
        const bool open = reader.documentFile != 0;
        fake.chooseMenu(c.item);
        fake.waitForWorkers();
        EXPECT_EQ(fake.editorText, text);
        EXPECT_EQ(reader.documentModified, 1);
        EXPECT_EQ(reader.documentPath, path);
        EXPECT_EQ(fake.windowCaption, caption);
        EXPECT_EQ(reader.documentFile != 0, open);
    });
    ASSERT_FALSE(fake.boxes.empty());
    EXPECT_EQ(fake.boxes.back().text, "保存失败：" + c.target);
    EXPECT_EQ(fake.boxes.back().style, 0x1030);
    EXPECT_EQ(fake.boxes.back().title, "Vellumry");
    EXPECT_EQ(fake.files.get(kBook), "story");
}

INSTANTIATE_TEST_SUITE_P(
    Saving, FailedWrite,
    testing::Values(
        FailedWriteCase{
            "NewYes", menuItem("新建"), false, {kYes}, {"C:\\out\\n"}, "C:\\out\\n.txt"},
        FailedWriteCase{"NewYesWithDocument", menuItem("新建"), true, {kYes}, {}, kBook},
        FailedWriteCase{"Save", menuItem("保存"), false, {}, {"C:\\out\\s"}, "C:\\out\\s.txt"},
        FailedWriteCase{"SaveWithDocument", menuItem("保存"), true, {}, {}, kBook},
        FailedWriteCase{"SaveAs", menuItem("另存为"), true, {}, {"C:\\out\\a"}, "C:\\out\\a.txt"}),
    [](const testing::TestParamInfo<FailedWriteCase>& info) { return info.param.name; });

} // namespace

// Opening documents by dialog and by drop, and the caption that follows the path.
#include "core/reader_state.h"
#include "documents/caption.h"
#include "shell/text_rules.h"
#include "tests/fake/fake_host.h"

#include <gtest/gtest.h>

namespace {

struct CaptionCase {
    Text path;
    TextArray parts;
    Text caption;
};

TEST(Opening, ADropShowsTheTextRemembersThePathAndDerivesTheCaption) {
    const CaptionCase cases[] = {
        {"C:\\books\\long\\a.txt", {"C:", "books", "long", "a.txt"}, "a.txt - 记事本"},
        {"C:\\dir\\", {"C:", "dir"}, "dir - 记事本"},
        {"\\\\srv\\share\\b.txt", {"", "", "srv", "share", "b.txt"}, "b.txt - 记事本"},
        {"notes.txt", {"notes.txt"}, "notes.txt - 记事本"},
        {"C:\\小说\\三体.txt", {"C:", "小说", "三体.txt"}, "三体.txt - 记事本"},
    };
    for (const CaptionCase& c : cases) {
        FakeHost fake;
        fake.files.put(c.path, "第一章");
        fake.run([&] {
            fake.typeText("draft");
            fake.dropFiles({c.path});
            fake.waitForWorkers();
            EXPECT_EQ(fake.editorText, "第一章");
            EXPECT_NE(reader.documentFile, 0);
            EXPECT_EQ(reader.documentModified, 0);
            EXPECT_EQ(reader.documentPath, c.path);
            EXPECT_EQ(*reader.pathParts, c.parts);
            EXPECT_EQ(fake.windowCaption, c.caption);
        });
        EXPECT_EQ(fake.storedSetting("小说", "路径"), c.path);
        EXPECT_TRUE(fake.boxes.empty());
    }
}

TEST(Opening, TheMenuOpensWithoutRecordingThePathAndSetsTheCaptionAtOnce) {
    FakeHost fake;
    fake.files.put("D:\\x.txt", "hello");
    fake.fileDialogAnswers = {"D:\\x.txt"};
    fake.run([&] {
        fake.chooseMenu(menuItem("打开"));
        EXPECT_EQ(fake.windowCaption, "x.txt - 记事本") << "set before the handler returns";
        EXPECT_EQ(fake.editorText, "hello");
        EXPECT_EQ(reader.documentPath, "D:\\x.txt");
        EXPECT_EQ(reader.documentModified, 0);
    });
    ASSERT_EQ(fake.fileDialogs.size(), 1u);
    EXPECT_EQ(fake.fileDialogs[0].kind, FileDialogKind::open);
    EXPECT_EQ(fake.fileDialogs[0].initialDirectory, "F:\\电子书");
    EXPECT_FALSE(fake.storedSetting("小说", "路径").has_value());
}

TEST(Opening, CancellingTheDialogKeepsTheEditedTextButClearsTheChangedMark) {
    FakeHost fake;
    fake.fileDialogAnswers = {""};
    fake.run([&] {
        fake.typeText("draft");
        fake.chooseMenu(menuItem("打开"));
        EXPECT_EQ(fake.editorText, "draft");
        EXPECT_EQ(reader.documentModified, 0);
        EXPECT_EQ(fake.windowCaption, kMainWindowTitle);
    });
}

TEST(Opening, AFileThatCannotBeOpenedEmptiesTheEditorButStillNamesTheCaption) {
    FakeHost fake;
    fake.files.put("C:\\locked.txt", "secret");
    fake.files.denyReading("C:\\locked.txt");
    fake.fileDialogAnswers = {"C:\\locked.txt"};
    fake.run([&] {
        fake.typeText("draft");
        fake.chooseMenu(menuItem("打开"));
        EXPECT_EQ(fake.editorText, "");
        EXPECT_EQ(reader.documentFile, 0);
        EXPECT_EQ(reader.documentModified, 0);
        EXPECT_EQ(fake.windowCaption, "locked.txt - 记事本");
    });
}

TEST(Opening, TheTextEndsAtTheFirstZeroOr26Byte) {
    FakeHost fake;
    fake.files.put("C:\\a.txt", Text("ab\0cd", 5));
    fake.files.put("C:\\b.txt", "ab\x1a"
                                "cd");
    fake.run([&] {
        fake.dropFiles({"C:\\a.txt"});
        EXPECT_EQ(fake.editorText, "ab");
        fake.dropFiles({"C:\\b.txt"});
        EXPECT_EQ(fake.editorText, "ab");
    });
    EXPECT_EQ(fake.files.get("C:\\a.txt"), Text("ab\0cd", 5)) << "the file is not changed";
}

TEST(Opening, DroppingSeveralFilesOpensTheFirstAndKeepsTheSettingsFileWhole) {
    FakeHost fake;
    fake.files.put("C:\\a.txt", "first");
    fake.files.put("C:\\b.txt", "second");
    fake.files.put(fake.settingsPath(), "[功能]\r\n只读=假\r\n");
    fake.run([&] {
        fake.dropFiles({"C:\\a.txt", "C:\\b.txt"});
        fake.waitForWorkers();
        EXPECT_EQ(fake.editorText, "first");
        EXPECT_EQ(fake.windowCaption, "a.txt - 记事本");
    });
    EXPECT_EQ(fake.files.get(fake.settingsPath()),
              "[功能]\r\n只读=假\r\n[小说]\r\n路径=C:\\a.txt\r\n");
}

TEST(Opening, TypingMarksTheTextChangedAndLoadingAgainClearsIt) {
    FakeHost fake;
    fake.files.put("C:\\a.txt", "text");
    fake.run([&] {
        fake.dropFiles({"C:\\a.txt"});
        fake.typeText("x");
        EXPECT_EQ(reader.documentModified, 1);
        fake.dropFiles({"C:\\a.txt"});
        EXPECT_EQ(reader.documentModified, 0);
        EXPECT_EQ(fake.files.openCount(), 1) << "the earlier read handle was let go";
    });
}

TEST(Opening, CaptionTasksRacingDropsNeverLeaveATornOrStaleCaption) {
    FakeHost fake;
    std::vector<Text> paths;
    for (int i = 0; i < 40; ++i) {
        paths.push_back("C:\\shelf" + std::to_string(i % 3) + "\\book" + std::to_string(i) +
                        ".txt");
        fake.files.put(paths.back(), "text " + std::to_string(i));
    }
    fake.run([&] {
        for (const Text& path : paths)
            fake.dropFiles({path});
        fake.waitForWorkers();
        EXPECT_EQ(reader.documentPath, paths.back());
        EXPECT_EQ(*reader.pathParts, splitText(paths.back(), "\\"));
        EXPECT_EQ(fake.windowCaption, "book39.txt - 记事本");
    });
}

} // namespace

// Start-up: what the reader registers, reads from the settings file and applies to the
// editor, in which order, with and without a settings file.
#include "core/reader_state.h"
#include "tests/fake/fake_host.h"

#include <gtest/gtest.h>

namespace {

const Text kFullSettings = "[选择]\r\n选项=120\r\n"
                           "[小说]\r\n路径=C:\\books\\a.txt\r\n字体大小=１２\r\n字体名称=黑体\r\n"
                           "字体加粗=真\r\n字体颜色=255\r\n"
                           "[功能]\r\n只读=真\r\n";

std::vector<std::string> startupCalls(const FakeHost& fake) {
    std::vector<std::string> calls;
    for (const std::string& entry : fake.journal) {
        if (entry.starts_with("registerExitCleanup") || entry.starts_with("loadMainWindow") ||
            entry.starts_with("runEventLoop"))
            continue;
        calls.push_back(entry);
    }
    return calls;
}

TEST(Startup, RunsEveryStepInOrderAndAppliesAFullSettingsFile) {
    FakeHost fake;
    fake.files.put(fake.settingsPath(), kFullSettings);
    fake.boxAnswers = {kNo};
    EXPECT_EQ(fake.run(), 0);

    std::vector<std::string> expected = {
        "registerDropTarget",        "applyVisualStyle 1",
        "registerHotkey 4 X",        "registerHotkey 4 A",
        "registerHotkey 4 1",        "registerHotkey 4 2",
        "registerHotkey 4 3",        "registerHotkey 4 4",
        "readSetting 选择 选项",     "readSetting 小说 路径",
        "readSetting 功能 只读",     "readSetting 小说 字体大小",
        "readSetting 小说 字体名称", "readSetting 小说 字体加粗",
        "readSetting 小说 字体颜色", "setEditorFontSize 12",
        "setEditorFontName 黑体",    "setEditorFontBold true",
        "setMenuChecked 只读 true",  "setEditorReadOnly true",
        "setEditorTextColour 255",   "startWorker",
    };
    EXPECT_EQ(startupCalls(fake), expected);
}

TEST(Startup, WithoutASettingsFileLeavesTheDefinitionsFontAndStateAlone) {
    FakeHost fake;
    int heightWhileRunning = -1;
    bool wasReadOnly = true;
    EXPECT_EQ(fake.run([&] {
        heightWhileRunning = fake.editorFont.height;
        wasReadOnly = fake.editorReadOnly;
        EXPECT_EQ(reader.autoReadPeriod, 100);
        EXPECT_EQ(reader.readingBlockLength, 5);
        EXPECT_EQ(reader.documentPath, "");
        EXPECT_EQ(reader.savedPosition, "");
        EXPECT_EQ(reader.fontSize, 0);
        EXPECT_EQ(reader.fontColour, 0);
    }),
              0);

    EXPECT_EQ(heightWhileRunning, 0) << "size 0 gives the font mapper's default height";
    EXPECT_EQ(fake.editorFont.faceName, "宋体");
    EXPECT_EQ(fake.editorFont.weight, 400);
    EXPECT_EQ(fake.editorColour, 0);
    EXPECT_FALSE(wasReadOnly);
    EXPECT_FALSE(fake.menu(menuItem("只读")).checked);
    EXPECT_TRUE(fake.boxes.empty());
    EXPECT_FALSE(fake.files.exists(fake.settingsPath())) << "reading never creates the file";
    EXPECT_TRUE(fake.windowVisible || !fake.windowLoaded);
}

TEST(Startup, SpeedAndBlockLengthAlwaysStartAt100And5) {
    FakeHost fake;
    fake.files.put(fake.settingsPath(), "[小说]\r\n速度=20\r\n阅读方形=9\r\n");
    fake.run([&] {
        EXPECT_EQ(reader.autoReadPeriod, 100);
        EXPECT_EQ(reader.readingBlockLength, 5);
    });
}

TEST(Startup, HotkeysGetConsecutiveIdsAndARefusedOneStaysZero) {
    FakeHost fake;
    fake.refusedHotkeyKeys = {'A'};
    fake.run([&] {
        EXPECT_EQ(reader.hotkeyHide, 33001);
        EXPECT_EQ(reader.hotkeyAutoRead, 0);
        EXPECT_EQ(reader.hotkeyFaster, 33003) << "a refusal still advances the counter";
        EXPECT_EQ(reader.hotkeySlower, 33004);
        EXPECT_EQ(reader.hotkeyLonger, 33005);
        EXPECT_EQ(reader.hotkeyShorter, 33006);
    });
    EXPECT_EQ(fake.hotkeyReceiver, fake.getWindowHandle(WindowObject::标签1));
}

struct StoredValueCase {
    const char* name;
    Text settings;
    int expectedHeight; // at 96 dpi
    int expectedWeight;
    bool expectedReadOnly;
    int expectedColour;
};

class StoredValues : public testing::TestWithParam<StoredValueCase> {};

TEST_P(StoredValues, AreReadAsTheReaderWritesThem) {
    const StoredValueCase& c = GetParam();
    FakeHost fake;
    fake.files.put(fake.settingsPath(), c.settings);
    bool readOnly = false;
    fake.run([&] { readOnly = fake.editorReadOnly; });
    EXPECT_EQ(fake.editorFont.height, c.expectedHeight);
    EXPECT_EQ(fake.editorFont.weight, c.expectedWeight);
    EXPECT_EQ(readOnly, c.expectedReadOnly);
    EXPECT_EQ(fake.menu(menuItem("只读")).checked, c.expectedReadOnly);
    EXPECT_EQ(fake.editorColour, c.expectedColour);
}

INSTANTIATE_TEST_SUITE_P(
    Startup, StoredValues,
    testing::Values(
        StoredValueCase{"LettersForSize", "[小说]\r\n字体大小=abc\r\n", 0, 400, false, 0},
        StoredValueCase{"SpacesBeforeSize", "[小说]\r\n字体大小=\"  12\"\r\n", -16, 400, false, 0},
        StoredValueCase{"FullWidthSize", "[小说]\r\n字体大小=１２\r\n", -16, 400, false, 0},
        StoredValueCase{"NegativeSize", "[小说]\r\n字体大小=-3\r\n", 0, 400, false, 0},
        StoredValueCase{"BoldOne", "[小说]\r\n字体加粗=1\r\n", 0, 400, false, 0},
        StoredValueCase{"BoldTrue", "[小说]\r\n字体加粗=真\r\n", 0, 700, false, 0},
        StoredValueCase{"BoldFalse", "[小说]\r\n字体加粗=假\r\n", 0, 400, false, 0},
        StoredValueCase{"ReadOnlyFalse", "[功能]\r\n只读=假\r\n", 0, 400, false, 0},
        StoredValueCase{"ReadOnlyTrue", "[功能]\r\n只读=真\r\n", 0, 400, true, 0},
        StoredValueCase{"LfOnlyFileWithComments",
                        "; written by hand\n[功能]\n\n只读=真\n[小说]\n字体颜色=255\n", 0, 400,
                        true, 255},
        StoredValueCase{"HexColourReadsAsZero", "[功能]\r\n只读=真\r\n[小说]\r\n字体颜色=0x10\r\n",
                        0, 400, true, 0}),
    [](const testing::TestParamInfo<StoredValueCase>& info) { return info.param.name; });

TEST(Startup, ReadsTheSettingsFileBesideAProgramAtADriveRoot) {
    FakeHost fake;
    fake.programDir = "D:";
    fake.files.put("D:\\配置文件.ini", "[小说]\r\n字体颜色=65280\r\n");
    fake.run();
    EXPECT_EQ(fake.editorColour, 65280);
}

} // namespace

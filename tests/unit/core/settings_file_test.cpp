// The settings file: where it lives and "清除上次阅读痕迹".
#include "core/reader_state.h"
#include "core/settings_file.h"
#include "tests/fake/fake_host.h"

#include <gtest/gtest.h>

namespace {

TEST(SettingsFile, LivesBesideTheProgramWithOneBackslash) {
    struct Case {
        Text directory;
        Text path;
    };
    for (const Case& c :
         {Case{"C:\\Program Files\\Vellumry", "C:\\Program Files\\Vellumry\\配置文件.ini"},
          Case{"C:", "C:\\配置文件.ini"}}) {
        FakeHost fake;
        fake.programDir = c.directory;
        EXPECT_EQ(settingsFilePath(), c.path);
    }
}

TEST(SettingsFile, ClearingTracesDeletesTheFileAndTheNextWriteStartsAFreshOne) {
    FakeHost fake;
    fake.files.put(fake.settingsPath(), "[小说]\r\n路径=C:\\a.txt\r\n[功能]\r\n只读=真\r\n");
    fake.boxAnswers = {kNo};
    fake.run([&] {
        bool readOnlyBefore = fake.editorReadOnly;
        std::size_t boxesBefore = fake.boxes.size();
        fake.chooseMenu(menuItem("清除上次阅读痕迹"));
        EXPECT_FALSE(fake.files.exists(fake.settingsPath()));
        EXPECT_EQ(fake.boxes.size(), boxesBefore) << "no question before and no message after";
        EXPECT_EQ(reader.documentPath, "C:\\a.txt") << "the snapshot taken at start-up stays";
        EXPECT_EQ(fake.editorReadOnly, readOnlyBefore);
        EXPECT_TRUE(fake.menu(menuItem("只读")).checked);

        writeSettingValue("选择", "选项", "42");
    });
    EXPECT_EQ(fake.files.get(fake.settingsPath()), "[选择]\r\n选项=42\r\n");
}

TEST(SettingsFile, ClearingTracesWithoutAFileDoesNothing) {
    FakeHost fake;
    fake.run([&] { fake.chooseMenu(menuItem("清除上次阅读痕迹")); });
    EXPECT_FALSE(fake.files.exists(fake.settingsPath()));
    EXPECT_TRUE(fake.boxes.empty());
}

TEST(SettingsFile, AFailedWriteIsIgnored) {
    FakeHost fake;
    fake.files.denyWriting(fake.settingsPath());
    EXPECT_EQ(fake.run([&] { writeSettingValue("功能", "只读", "真"); }), 0);
    EXPECT_FALSE(fake.files.exists(fake.settingsPath()));
    EXPECT_TRUE(fake.boxes.empty());
}

TEST(SettingsFile, ValuesWrittenReadBackThroughTheSettingsServices) {
    struct Case {
        Text value;
        Text readBack;
    };
    const Case cases[] = {
        {"-5", "-5"},
        {"", ""},
        {"C:\\书\\三体.txt", "C:\\书\\三体.txt"},
        {"C:\\a.txt\r\nC:\\b.txt\r\n", "C:\\a.txt"},
        {std::string(10240, 'x'), std::string(10239, 'x')},
    };
    for (const Case& c : cases) {
        FakeHost fake;
        fake.run([&] {
            writeSettingValue("小说", "路径", c.value);
            EXPECT_EQ(readSettingValue("小说", "路径"), c.readBack);
        });
    }
}

} // namespace

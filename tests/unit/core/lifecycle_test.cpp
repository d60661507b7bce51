// How a run ends: the clean-up runs exactly once whichever way the program ends, and a
// fatal error ends it with −1 and without the clean-up.
#include "core/reader_state.h"
#include "shell/text_rules.h"
#include "tests/fake/fake_host.h"

#include <gtest/gtest.h>

namespace {

TEST(Lifecycle, TheEntryCreatesAnEmptyPathPartsArrayBeforeTheWindowLoads) {
    FakeHost fake;
    fake.run([&] {
        ASSERT_TRUE(reader.pathParts.has_value());
        EXPECT_TRUE(reader.pathParts->empty());
    });
}

struct EndingCase {
    const char* name;
    std::function<void(FakeHost&)> end;
};

class Ending : public testing::TestWithParam<EndingCase> {};

TEST_P(Ending, RunsTheCleanupOnceAndExitsWithZero) {
    FakeHost fake;
    fake.files.put(fake.settingsPath(), "[小说]\r\n路径=C:\\a.txt\r\n字体名称=黑体\r\n");
    fake.boxAnswers = {kNo};
    int code = fake.run([&] {
        reader.pathParts = TextArray{"C:", "a.txt"};
        GetParam().end(fake);
    });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(fake.exitCleanupRuns, 1);
    EXPECT_EQ(reader.documentPath, "");
    EXPECT_FALSE(reader.pathParts.has_value());
    EXPECT_EQ(reader.fontName, "");
}

INSTANTIATE_TEST_SUITE_P(
    Lifecycle, Ending,
    testing::Values(EndingCase{"WindowClosed", [](FakeHost& fake) { fake.requestClose(); }},
                    EndingCase{"EndProgram", [](FakeHost& fake) { fake.endProgram(0); }},
                    EndingCase{"EndProgramTwice",
                               [](FakeHost& fake) {
                                   try {
                                       fake.endProgram(0);
                                   } catch (const ProgramEnded&) {
                                       fake.endProgram(0);
                                   }
                               }}),
    [](const testing::TestParamInfo<EndingCase>& info) { return info.param.name; });

struct BadIndexCase {
    int index;
    int code;
    Text message;
};

class BadArrayIndex : public testing::TestWithParam<BadIndexCase> {};

TEST_P(BadArrayIndex, IsFatalWithoutTheCleanup) {
    const BadIndexCase& c = GetParam();
    FakeHost fake;
    int code = fake.run([&] { textArrayElement(TextArray{"C:", "a.txt"}, c.index); });
    EXPECT_EQ(code, -1);
    EXPECT_EQ(fake.exitCleanupRuns, 0);
    ASSERT_TRUE(fake.fatal.has_value());
    EXPECT_EQ(fake.fatal->code, c.code);
    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_EQ(fake.boxes[0].title, "错误");
    EXPECT_EQ(fake.boxes[0].text, "运行时出错!\r\n\r\n错误代码：" + std::to_string(c.code) +
                                      "\r\n\r\n错误信息：" + c.message + "\r\n");
}

INSTANTIATE_TEST_SUITE_P(Lifecycle, BadArrayIndex,
                         testing::Values(BadIndexCase{0, 4, "数组成员引用下标必须大于等于1"},
                                         BadIndexCase{3, 1, "数组成员引用下标超出定义范围"}));

TEST(Lifecycle, AnEditorServiceAfterTheWindowIsGoneIsFatal) {
    FakeHost fake;
    int code = fake.run([&] {
        fake.requestClose();
        fake.getEditorText();
    });
    EXPECT_EQ(code, -1);
    EXPECT_EQ(fake.exitCleanupRuns, 0);
    ASSERT_TRUE(fake.fatal.has_value());
    EXPECT_EQ(fake.boxes.back().text,
              "运行时出错!\r\n\r\n错误信息：未载入欲访问窗口组件所在的窗口\r\n");
}

} // namespace

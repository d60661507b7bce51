#include "shell/ini_file.h"

#include <gtest/gtest.h>

namespace {

TEST(SkipLeadingBlanks, SkipsControlBytesAndSpacesOnlyAtTheStart) {
    EXPECT_EQ(skipLeadingBlanks(" \t\r\n\x01k ey "), "k ey ");
    EXPECT_EQ(skipLeadingBlanks("   "), "");
    EXPECT_EQ(skipLeadingBlanks("中"), "中");
}

TEST(ReadIniValue, FindsTheValueOfTheFirstMatchingSectionAndKey) {
    struct Case {
        const char* name;
        std::string_view content;
        std::string_view section;
        std::string_view key;
        std::optional<Text> expected;
    };
    const Case cases[] = {
        {"CR LF file", "[小说]\r\n路径=C:\\a.txt\r\n字体大小=9\r\n", "小说", "路径", "C:\\a.txt"},
        {"LF-only file", "[a]\nk=v\n[b]\nk=w\n", "b", "k", "w"},
        {"last line without line end", "[a]\r\nk=v", "a", "k", "v"},
        {"CR-only file", "[a]\rk=v\r[b]\rk=w\r", "b", "k", "w"},
        {"lone CR ends a line", "[a]\r\nk=x\ry\r\n", "a", "k", "x"},
        {"value ends at NUL", std::string_view("[a]\nk=x\0y\n", 11), "a", "k", "x"},
        {"NUL before closing quote", std::string_view("[a]\nk=\"x\0\"\n", 12), "a", "k", "\"x"},
        {"empty file", "", "a", "k", std::nullopt},
        {"absent section", "[a]\r\nk=v\r\n", "b", "k", std::nullopt},
        {"absent key", "[a]\r\nk=v\r\n", "a", "j", std::nullopt},
        {"key of another section", "[a]\nk=1\n[b]\nj=2\n", "b", "k", std::nullopt},
        {"comment lines skipped", "[a]\n;k=x\n#k=y\nk=z\n", "a", "k", "z"},
        {"commented key only", "[a]\n; k=x\n", "a", "k", std::nullopt},
        {"blank lines and spaces", "\n\n  [ a ]  \n\n \t k  =  v \t \n", "a", "k", "v"},
        {"case of section and key", "[Section]\nKey=v\n", "SECTION", "kEY", "v"},
        {"trail byte 0x41 not folded", "[\xB0\x41]\nk=v\n", "\xB0\x61", "k", std::nullopt},
        {"trail byte 0x41 exact", "[\xB0\x41]\nk=v\n", "\xB0\x41", "k", "v"},
        {"trail byte 0x5A in key", "[s]\n\xB0\x5A=v\n", "s", "\xB0\x7A", std::nullopt},
        {"trail byte 0x5D in section",
         "[\xB0\x5D"
         "x]\nk=v\n",
         "\xB0\x5D"
         "x",
         "k", "v"},
        {"first duplicate section", "[a]\nk=1\n[a]\nk=2\n", "a", "k", "1"},
        {"only first duplicate section", "[a]\nk=1\n[A]\nj=2\n", "a", "j", std::nullopt},
        {"first duplicate key", "[a]\nk=1\nk=2\n", "a", "k", "1"},
        {"key before any section", "k=0\n[a]\nk=1\n", "a", "k", "1"},
        {"line without equals", "[a]\nk\n", "a", "k", std::nullopt},
        {"header without bracket", "[a\nk=1\n", "a", "k", std::nullopt},
        {"equals in value", "[a]\nk=x=y\n", "a", "k", "x=y"},
        {"empty value", "[a]\r\nk=\r\n", "a", "k", ""},
        {"double quotes", "[a]\nk=\" v \"\n", "a", "k", " v "},
        {"single quotes", "[a]\nk='x'\n", "a", "k", "x"},
        {"unmatched quotes", "[a]\nk=\"x'\n", "a", "k", "\"x'"},
        {"quote alone", "[a]\nk=\"\n", "a", "k", "\""},
        {"empty quotes", "[a]\nk=\"\"\n", "a", "k", ""},
        {"leading blanks of names", "[a]\nk=v\n", " \t\r\na", "\n k", "v"},
        {"trailing blanks of names", "[a]\nk=v\n", "a  ", "k\t", "v"},
        {"key of blanks only", "[a]\n=v\n", "a", "   ", std::nullopt},
        {"section of blanks only", "[]\nk=v\n", " ", "k", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(readIniValue(c.content, c.section, c.key), c.expected);
    }
}

TEST(ReadIniValue, CutsLongValuesToOneLessThanTheBuffer) {
    for (const std::size_t length :
         {kSettingBufferSize - 1, kSettingBufferSize, 3 * kSettingBufferSize}) {
        SCOPED_TRACE(length);
        const Text value(length, 'x');
        const std::optional<Text> read = readIniValue("[a]\r\nk=" + value + "\r\n", "a", "k");
        ASSERT_TRUE(read.has_value());
        EXPECT_EQ(*read, value.substr(0, kSettingBufferSize - 1));
    }
}

TEST(WriteIniValue, ChangesOnlyWhatTheWriteNeeds) {
    struct Case {
        const char* name;
        std::string_view content;
        std::string_view section;
        std::string_view key;
        std::string_view value;
        std::string_view expected;
    };
    const Case cases[] = {
        {"new file", "", "选择", "选项", "123", "[选择]\r\n选项=123\r\n"},
        {"replace in place keeping key bytes", "; top\r\n[A]\r\n  Key = old \r\nx=1\r\n", "a",
         "key", "new", "; top\r\n[A]\r\n  Key =new\r\nx=1\r\n"},
        {"replace on last line without line end", "[a]\r\nk=1", "a", "k", "2", "[a]\r\nk=2"},
        {"empty value kept as key line", "[a]\r\nk=old\r\n", "a", "k", "", "[a]\r\nk=\r\n"},
        {"new key in LF file", "[a]\nx=1\n", "a", "k", "v", "[a]\nx=1\nk=v\n"},
        {"new key before trailing blank lines", "[a]\r\nx=1\r\n\r\n \r\n[b]\r\ny=2\r\n", "a", "k",
         "v", "[a]\r\nx=1\r\nk=v\r\n\r\n \r\n[b]\r\ny=2\r\n"},
        {"new key after comment", "[a]\n;k=1\n", "a", "k", "2", "[a]\n;k=1\nk=2\n"},
        {"new key on last line without line end", "[a]\r\nx=1", "a", "k", "v",
         "[a]\r\nx=1\r\nk=v\r\n"},
        {"new key under bare header", "[a]", "a", "k", "v", "[a]\r\nk=v\r\n"},
        {"new key in CR-only file", "[a]\rx=1\r", "a", "k", "v", "[a]\rx=1\rk=v\r"},
        {"replace in CR-only file", "[a]\rk=1\r[b]\rk=2\r", "b", "k", "3", "[a]\rk=1\r[b]\rk=3\r"},
        {"new section after final lone CR", "[a]\rx=1\r", "b", "k", "v", "[a]\rx=1\r[b]\rk=v\r"},
        {"new key in first duplicate", "[a]\nk=1\n[a]\nj=2\n", "a", "j", "3",
         "[a]\nk=1\nj=3\n[a]\nj=2\n"},
        {"new section after final line end", "[a]\r\nx=1\r\n", "b", "k", "v",
         "[a]\r\nx=1\r\n[b]\r\nk=v\r\n"},
        {"new section without final line end", "[a]\nx=1", "b", "k", "v", "[a]\nx=1\n[b]\nk=v\n"},
        {"new section keeps key before sections", "k=0\n", "a", "k", "1", "k=0\n[a]\nk=1\n"},
        {"value with CR LF keeps first line", "", "a", "k", "line1\r\nline2", "[a]\r\nk=line1\r\n"},
        {"value with LF keeps first line", "[a]\r\nk=1\r\n", "a", "k", "x\ny", "[a]\r\nk=x\r\n"},
        {"value with lone CR keeps first line", "", "a", "k", "x\ry", "[a]\r\nk=x\r\n"},
        {"value ends at NUL", "", "a", "k", std::string_view(" v\0w", 4), "[a]\r\nk=\" v\"\r\n"},
        {"spaces around value quoted", "", "a", "k", " v ", "[a]\r\nk=\" v \"\r\n"},
        {"quoted value quoted again", "", "a", "k", "'q'", "[a]\r\nk=\"'q'\"\r\n"},
        {"trail byte 0x5D in section", "", "\xB0\x5D", "k", "v", "[\xB0\x5D]\r\nk=v\r\n"},
        {"leading blanks of names skipped", "", " a", "\tk", "v", "[a]\r\nk=v\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(writeIniValue(c.content, c.section, c.key, c.value), c.expected);
    }
}

TEST(WriteIniValue, RejectsNamesThatWouldBreakTheFile) {
    struct Case {
        std::string_view section;
        std::string_view key;
    };
    // The last three end with a lead byte that would take the closing "]" as its second byte.
    const Case cases[] = {
        {"a]b", "k"}, {"a\r\nb", "k"}, {"a\nb", "k"},  {"a\rb", "k"},         {"   ", "k"},
        {"a", "k=x"}, {"a", "k\nx"},   {"a", ";k"},    {"a", "#k"},           {"a", "[k"},
        {"a", ""},    {"a", " \t "},   {"a\xB0", "k"}, {"\xB0\xA1\xB0", "k"}, {"a\xB0 ", "k"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.section) + "/" + std::string(c.key));
        EXPECT_EQ(writeIniValue("[a]\r\nk=1\r\n", c.section, c.key, "v"), std::nullopt);
    }
}

TEST(WriteIniValue, EveryValueReadsBackAsWritten) {
    const Text values[] = {
        "",  "plain", " lead", "trail ", "\tx\t", "'q'",     "\"q\"",          "\"",
        "'", "a\"b",  "中文",  "x=y",    "  ",    "\" a \"", ";not a comment", "[not a section]"};
    for (const Text& value : values) {
        SCOPED_TRACE(value);
        for (std::string_view content : {"", "[a]\r\nk=old\r\n", "[b]\nj=1\n"}) {
            const std::optional<Bytes> written = writeIniValue(content, "a", "k", value);
            ASSERT_TRUE(written.has_value());
            EXPECT_EQ(readIniValue(*written, "a", "k"), value);
        }
    }
}

TEST(WriteIniValue, SuccessiveWritesBuildAFileThatReadsBack) {
    Bytes file;
    const struct {
        const char* section;
        const char* key;
        const char* value;
    } writes[] = {
        {"小说", "路径", "C:\\小说\\a.txt"}, {"选择", "选项", "-5"}, {"功能", "只读", "真"},
        {"小说", "字体大小", "12"},          {"小说", "路径", ""},   {"功能", "只读", "假"},
    };
    for (const auto& write : writes)
        file = *writeIniValue(file, write.section, write.key, write.value);
    EXPECT_EQ(file, "[小说]\r\n路径=\r\n字体大小=12\r\n[选择]\r\n选项=-5\r\n[功能]\r\n只读=假\r\n");
}

// Ten thousand sections of about a kilobyte each: the section written last is found
// and changed without disturbing the others.
TEST(WriteIniValue, HandlesALargeFile) {
    constexpr int kSections = 10000;
    const Text filler(1000, 'f');
    Bytes content;
    for (int i = 0; i < kSections; ++i) {
        content += "[s" + std::to_string(i) + "]\r\nk=" + filler + "\r\n";
    }
    const std::string last = "s" + std::to_string(kSections - 1);
    const std::optional<Bytes> written = writeIniValue(content, last, "k", "v");
    ASSERT_TRUE(written.has_value());
    EXPECT_EQ(written->size(), content.size() - filler.size() + 1);
    EXPECT_EQ(readIniValue(*written, last, "k"), "v");
    EXPECT_EQ(readIniValue(*written, "s0", "k"), filler);
    EXPECT_EQ(readIniValue(*written, "s10000", "k"), std::nullopt);
}

} // namespace

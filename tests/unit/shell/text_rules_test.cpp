#include "shell/text_rules.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

// Bytes that may hold NUL, which a plain literal would cut short.
template <std::size_t N> Text bytesOf(const char (&literal)[N]) {
    return Text(literal, N - 1);
}

TEST(SplitText, CutsOnlyAtCharacterStarts) {
    struct Case {
        const char* name;
        Text text;
        Text separator;
        TextArray expected;
    };
    const Case cases[] = {
        {"empty text", "", "\\", {}},
        {"empty separator", "abc", "", {"abc"}},
        {"drive folder file", "C:\\dir\\file.txt", "\\", {"C:", "dir", "file.txt"}},
        {"trailing separator", "a\\", "\\", {"a"}},
        {"separator alone", "\\", "\\", {""}},
        {"two in a row", "a\\\\b", "\\", {"a", "", "b"}},
        {"leading separator", "\\a", "\\", {"", "a"}},
        {"no separator", "abc", "\\", {"abc"}},
        {"multi-byte separator", "xabyab", "ab", {"x", "y"}},
        {"chinese separator", "甲、乙", "、", {"甲", "乙"}},
        {"trail byte 0x5C",
         "\x95\x5C"
         "\\x",
         "\\",
         {"\x95\x5C", "x"}},
        {"separator across characters", "\xB0\xA1\xA1", "\xA1\xA1", {"\xB0\xA1\xA1"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(splitText(c.text, c.separator), c.expected);
    }
}

TEST(FindText, GivesOneBasedPositionOfFirstMatchAtCharacterStart) {
    struct Case {
        const char* name;
        Text text;
        Text sought;
        int expected;
    };
    const Case cases[] = {
        {"empty sought in text", "abc", "", 1},
        {"empty sought in empty", "", "", -1},
        {"nothing in empty", "", "a", -1},
        {"first of two", "abcabc", "c", 3},
        {"at start", "abc", "ab", 1},
        {"case distinguished", "Hello", "hello", -1},
        {"longer than text", "abc", "abcd", -1},
        {"after chinese", "中文abc", "abc", 5},
        {"chinese sought", "读中文", "中", 3},
        {"not inside a character",
         "\xB0\x41"
         "A",
         "A", 3},
        {"not across characters", "\xB0\xA1\xA1\xA1", "\xA1\xA1", 3},
        {"lead byte before NUL ends search", bytesOf("a\x80\0b"), "b", -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(findText(c.text, c.sought), c.expected);
    }
}

TEST(TextToInt, FoldsFullWidthFormsAndReadsLeadingNumber) {
    struct Case {
        const char* name;
        Text text;
        int expected;
    };
    const Case cases[] = {
        {"empty", "", 0},
        {"plain", "123", 123},
        {"negative", "-5", -5},
        {"plus sign", "+7", 7},
        {"white space then trailing text", " \t\r\n42abc", 42},
        {"letter first", "abc", 0},
        {"sign without digits", "-", 0},
        {"space after sign", "- 5", 0},
        {"full-width digits", "１２", 12},
        {"full-width minus", "－３", -3},
        {"full-width plus", "＋８", 8},
        {"full-width space", "　５", 5},
        {"mixed widths", "1２3", 123},
        {"full-width digit then letter", "１x", 1},
        {"full-width tilde is no sign", "～1", 0},
        {"other chinese first", "第5", 0},
        {"largest", "2147483647", INT_MAX},
        {"smallest", "-2147483648", INT_MIN},
        {"wraps past largest", "2147483648", INT_MIN},
        {"wraps to minus one", "4294967295", -1},
        {"wraps to zero", "4294967296", 0},
        {"wraps long number", "99999999999", 1215752191},
        {"wraps negated", "-4294967297", -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(textToInt(c.text), c.expected);
    }
}

TEST(IntToText, WritesSignedDecimalThatReadsBack) {
    struct Case {
        int value;
        const char* expected;
    };
    const Case cases[] = {
        {0, "0"}, {-5, "-5"}, {123, "123"}, {INT_MAX, "2147483647"}, {INT_MIN, "-2147483648"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(intToText(c.value), c.expected);
        EXPECT_EQ(textToInt(intToText(c.value)), c.value);
    }
}

TEST(StoredFlags, OnlyExactTrueTextIsTrue) {
    EXPECT_EQ(boolToText(true), "真");
    EXPECT_EQ(boolToText(false), "假");
    struct Case {
        Text text;
        bool expected;
    };
    const Case cases[] = {
        {"真", true},   {"假", false}, {"", false},     {"真 ", false},
        {" 真", false}, {"1", false},  {"true", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(textIsTrue(c.text), c.expected);
    }
}

TEST(TextEndInBytes, EndsAtNulOrEndOfFileMarkOutsideCharacters) {
    struct Case {
        const char* name;
        Text bytes;
        std::size_t expected;
    };
    const Case cases[] = {
        {"no data", "", 0},
        {"no end mark", "abc", 3},
        {"end-of-file mark",
         "ab\x1A"
         "cd",
         2},
        {"NUL", bytesOf("a\0b"), 1},
        {"mark as trail byte",
         "\xB0\x1A"
         "x",
         3},
        {"lead byte before NUL", bytesOf("a\xB0\0b"), 1},
        {"lead byte last", "ab\xB0", 3},
        {"NUL after a character", bytesOf("\xB0\xA1\0"), 2},
        {"lead byte as trail", "\x81\x81\x1A", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(textEndInBytes(c.bytes.data(), c.bytes.size()), c.expected);
    }
}

TEST(DirectoryOfPath, TakesEverythingBeforeTheLastBackslash) {
    struct Case {
        const char* name;
        Text path;
        Text expected;
    };
    const Case cases[] = {
        {"drive root", "C:\\x.exe", "C:"},
        {"nested", "C:\\dir\\sub\\app.exe", "C:\\dir\\sub"},
        {"no backslash", "app.exe", ""},
        {"empty", "", ""},
        {"network share", "\\\\server\\share\\a.exe", "\\\\server\\share"},
        {"chinese folder", "D:\\小说\\阅读.exe", "D:\\小说"},
        {"trail byte 0x5C",
         "C:\\\xD5\x5C"
         "x.exe",
         "C:"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(directoryOfPath(c.path), c.expected);
    }
}

// The out-of-range indexes end the program through the host; they are tested with a
// test host.
TEST(TextArrayElement, IndexesFromOne) {
    const TextArray array = {"a", "b", "c"};
    EXPECT_EQ(&textArrayElement(array, 1), &array[0]);
    EXPECT_EQ(&textArrayElement(array, 3), &array[2]);
}

} // namespace

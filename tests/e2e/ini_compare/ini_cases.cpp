#include "ini_cases.h"

#include "shell/ini_file.h"

namespace {

constexpr IniOperation kRead = IniOperation::read;
constexpr IniOperation kWrite = IniOperation::write;

// Why our engine differs from the platform's profile functions, on purpose.
constexpr const char* kComments =
    "lines that start with \";\" or \"#\" are comments, so no key starts with either (the "
    "writer refuses such keys); the platform reads them as keys";
constexpr const char* kByteCut =
    "a value longer than the buffer is cut to exactly 10239 bytes, also inside a two-byte "
    "character; the platform stops before that character and counts its closing NUL in the "
    "length it returns";
constexpr const char* kUntouchedBytes =
    "a write changes only the bytes it must: blank lines, comments and the spacing of existing "
    "keys stay; the platform rewrites the whole file in its own layout";
constexpr const char* kOwnLineEnds =
    "a file keeps its own line ends (LF or a lone CR) and new lines take the same; the "
    "platform rewrites every line end as CR LF";
constexpr const char* kFirstLine =
    "a value keeps only its first line, so no value can add lines to the file";
constexpr const char* kQuoting =
    "a value that reading would trim or unquote is written in double quotes and reads back as "
    "given; the platform writes it bare (and drops its leading blanks)";
constexpr const char* kRefusedNames =
    "a section with \"]\" or a key with \"=\" would read back as another name, so the write is "
    "refused and the file left as it was";

const Text kSettings = "[小说]\r\n路径=C:\\小说\\a.txt\r\n字体大小=12\r\n[选择]\r\n选项=120\r\n";

std::vector<IniCase> readCases() {
    const Text longValue(kSettingBufferSize, 'x');
    Text longChinese;
    for (int i = 0; i < 5200; ++i)
        longChinese += "中";
    return {
        {"read: CR LF file", kSettings, kRead, "小说", "路径"},
        {"read: LF-only file", "[a]\nk=v\n[b]\nk=w\n", kRead, "b", "k"},
        {"read: last line without line end", "[a]\r\nk=v", kRead, "a", "k"},
        {"read: absent file", std::nullopt, kRead, "a", "k"},
        {"read: absent section", kSettings, kRead, "功能", "只读"},
        {"read: absent key", kSettings, kRead, "小说", "字体名称"},
        {"read: key of another section", "[a]\r\nk=1\r\n[b]\r\nj=2\r\n", kRead, "b", "k"},
        {"read: names in other case", "[Section]\r\nKey=v\r\n", kRead, "SECTION", "kEY"},
        {"read: blanks around names and value", "  [ a ]  \r\n \t k  =  v \t \r\n", kRead, "a",
         "k"},
        {"read: blank lines", "\r\n\r\n[a]\r\n\r\nk=v\r\n\r\n", kRead, "a", "k"},
        {"read: semicolon comment skipped", "[a]\r\n;k=x\r\nk=z\r\n", kRead, "a", "k"},
        {"read: semicolon comment as key", "[a]\r\n;k=x\r\n", kRead, "a", ";k", "", kComments},
        {"read: hash line as key", "[a]\r\n#k=y\r\n", kRead, "a", "#k", "", kComments},
        {"read: double quotes", "[a]\r\nk=\" v \"\r\n", kRead, "a", "k"},
        {"read: single quotes", "[a]\r\nk='x'\r\n", kRead, "a", "k"},
        {"read: unmatched quotes", "[a]\r\nk=\"x'\r\n", kRead, "a", "k"},
        {"read: empty quotes", "[a]\r\nk=\"\"\r\n", kRead, "a", "k"},
        {"read: empty value", "[a]\r\nk=\r\n", kRead, "a", "k"},
        {"read: equals in value", "[a]\r\nk=x=y\r\n", kRead, "a", "k"},
        {"read: space inside names", "[a b]\r\nmy key=v\r\n", kRead, "a b", "my key"},
        {"read: text after header", "[a] note\r\nk=v\r\n", kRead, "a", "k"},
        {"read: header without bracket", "[a\r\nk=1\r\n", kRead, "a", "k"},
        {"read: key before any section", "k=0\r\n[a]\r\nk=1\r\n", kRead, "a", "k"},
        {"read: line without equals", "[a]\r\nk\r\n", kRead, "a", "k"},
        {"read: first of duplicate sections", "[a]\r\nk=1\r\n[A]\r\nk=2\r\n", kRead, "a", "k"},
        {"read: key only in second duplicate section", "[a]\r\nk=1\r\n[a]\r\nj=2\r\n", kRead, "a",
         "j"},
        {"read: first of duplicate keys", "[a]\r\nk=1\r\nK=2\r\n", kRead, "a", "k"},
        {"read: lone CR inside a line", "[a]\r\nk=x\ry\r\n", kRead, "a", "k"},
        {"read: CR-only file", "[a]\rk=v\r[b]\rk=w\r", kRead, "b", "k"},
        {"read: NUL byte in a value", Text("[a]\r\nk=x\0y\r\n", 12), kRead, "a", "k"},
        {"read: leading blanks of names", "[a]\r\nk=v\r\n", kRead, " \ta", "  k"},
        {"read: value of 10239 bytes", "[a]\r\nk=" + longValue.substr(1) + "\r\n", kRead, "a", "k"},
        {"read: value of 10240 bytes", "[a]\r\nk=" + longValue + "\r\n", kRead, "a", "k"},
        {"read: value of 30000 bytes", "[a]\r\nk=" + Text(30000, 'y') + "\r\n", kRead, "a", "k"},
        {"read: Chinese value of 10400 bytes", "[a]\r\nk=" + longChinese + "\r\n", kRead, "a", "k",
         "", kByteCut},
        {"read: Chinese names", "[小说]\r\n字体名称=宋体\r\n", kRead, "小说", "字体名称"},
        {"read: trail byte 0x5D in section", "[癩x]\r\nk=v\r\n", kRead, "癩x", "k"},
        {"read: trail byte 0x41 not case-folded", "[癆]\r\nk=v\r\n", kRead, "癮", "k"},
        {"read: full-width letters in other case", "[Ａ]\r\nk=v\r\n", kRead, "ａ", "k"},
        {"read: Greek letters in other case", "[Α]\r\nk=v\r\n", kRead, "α", "k"},
    };
}

std::vector<IniCase> writeCases() {
    return {
        {"write: new file", std::nullopt, kWrite, "选择", "选项", "123"},
        {"write: empty file", "", kWrite, "a", "k", "v"},
        {"write: replace in place", kSettings, kWrite, "小说", "路径", "D:\\b.txt"},
        {"write: add key", kSettings, kWrite, "小说", "字体名称", "宋体"},
        {"write: add section", kSettings, kWrite, "功能", "只读", "真"},
        {"write: empty value replaces", "[a]\r\nk=old\r\n", kWrite, "a", "k", ""},
        {"write: empty value adds key", "[a]\r\nx=1\r\n", kWrite, "a", "k", ""},
        {"write: names in other case", "[Section]\r\nKey=old\r\n", kWrite, "SECTION", "key", "new"},
        {"write: blanks around existing key", "[a]\r\n  k = old \r\n", kWrite, "a", "k", "new",
         kUntouchedBytes},
        {"write: LF-only file", "[a]\nx=1\n", kWrite, "a", "k", "v", kOwnLineEnds},
        {"write: no line end at the end", "[a]\r\nx=1", kWrite, "a", "k", "v"},
        {"write: CR-only file", "[a]\rx=1\r", kWrite, "a", "k", "v", kOwnLineEnds},
        {"write: replace in CR-only file", "[a]\rk=1\r[b]\rk=2\r", kWrite, "b", "k", "3",
         kOwnLineEnds},
        {"write: blank lines and comments", "; top\r\n\r\n[a]\r\nk=1\r\n\r\n[b]\r\nj=2\r\n", kWrite,
         "a", "k", "2", kUntouchedBytes},
        {"write: key before blank line", "[a]\r\nx=1\r\n\r\n[b]\r\nj=2\r\n", kWrite, "a", "k", "v",
         kUntouchedBytes},
        {"write: duplicate sections", "[a]\r\nk=1\r\n[a]\r\nj=2\r\n", kWrite, "a", "j", "3"},
        {"write: value with line break", "[a]\r\nk=1\r\n", kWrite, "a", "k", "one\r\ntwo",
         kFirstLine},
        {"write: value with spaces around", "", kWrite, "a", "k", " v ", kQuoting},
        {"write: value in quotes", "", kWrite, "a", "k", "'q'", kQuoting},
        {"write: value of 10240 bytes", "", kWrite, "a", "k", Text(kSettingBufferSize, 'x')},
        {"write: section with ]", "[a]\r\nk=1\r\n", kWrite, "a]b", "k", "v", kRefusedNames},
        {"write: key with =", "[a]\r\nk=1\r\n", kWrite, "a", "k=x", "v", kRefusedNames},
        {"write: Chinese names", "", kWrite, "小说", "字体名称", "宋体"},
        {"write: trail byte 0x5D in section", "", kWrite, "癩", "k", "v"},
    };
}

std::vector<IniCase> allCases() {
    std::vector<IniCase> cases = readCases();
    for (IniCase& c : writeCases())
        cases.push_back(std::move(c));
    return cases;
}

} // namespace

const std::vector<IniCase>& iniCases() {
    static const std::vector<IniCase> cases = allCases();
    return cases;
}

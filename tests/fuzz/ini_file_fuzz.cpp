// The settings-file engine under any file and any names: one read and one write decoded
// from the input. Whatever the bytes, nothing crashes; the value written reads back as its
// first line (up to a NUL byte) cut to the read buffer; every other value that read back
// before reads back the same; and the write changes one line in place or adds at most the
// two lines of a new section, so no value can break the file's line structure.
//
// Input: six fields, then the file. A field ends at a backslash followed by any other byte
// ("\\" stands for one backslash): the section and the key read, the section and the key
// written, the value, and a decimal repeat count for the value (so that values longer than
// the read buffer come up). The rest of the input is the file.
#include "fuzz_check.h"
#include "shell/ini_file.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kMaxNameBytes = 64;
constexpr std::size_t kMaxValueBytes = 40000;
constexpr std::size_t kMaxCandidates = 8;

struct Operation {
    std::string readSection;
    std::string readKey;
    std::string writeSection;
    std::string writeKey;
    std::string value;
};

std::size_t repeatCount(std::string_view digits) {
    std::size_t count = 0;
    for (const char digit : digits) {
        if (digit < '0' || digit > '9') break;
        count = std::min<std::size_t>(count * 10 + static_cast<std::size_t>(digit - '0'),
                                      kMaxValueBytes);
    }
    return std::max<std::size_t>(count, 1);
}

Operation decode(FuzzedDataProvider& data) {
    Operation operation;
    operation.readSection = data.ConsumeRandomLengthString(kMaxNameBytes);
    operation.readKey = data.ConsumeRandomLengthString(kMaxNameBytes);
    operation.writeSection = data.ConsumeRandomLengthString(kMaxNameBytes);
    operation.writeKey = data.ConsumeRandomLengthString(kMaxNameBytes);
    const std::string unit = data.ConsumeRandomLengthString(kMaxNameBytes);
    const std::size_t repeats = std::min(repeatCount(data.ConsumeRandomLengthString(8)),
                                         kMaxValueBytes / std::max<std::size_t>(unit.size(), 1));
    for (std::size_t i = 0; i < repeats; ++i)
        operation.value += unit;
    return operation;
}

bool isTrimmedBlank(char byte) {
    return byte == ' ' || byte == '\t' || byte == '\r';
}

// A name as the engine looks it up: control bytes and spaces skipped at the start, blanks
// dropped at the end, and ASCII letters folded except inside two-byte characters.
std::string lookupForm(std::string_view name) {
    while (!name.empty() && static_cast<unsigned char>(name.front()) <= 0x20)
        name.remove_prefix(1);
    while (!name.empty() && isTrimmedBlank(name.back()))
        name.remove_suffix(1);
    std::string form;
    for (std::size_t pos = 0; pos < name.size(); ++pos) {
        const auto byte = static_cast<unsigned char>(name[pos]);
        if (byte >= 0x80 && pos + 1 < name.size() && name[pos + 1] != '\0') {
            form += name.substr(pos, 2);
            ++pos;
        } else {
            form += static_cast<char>(byte >= 'A' && byte <= 'Z' ? byte + 32 : byte);
        }
    }
    return form;
}

// Whether the name ends with a byte of 0x80 or above that starts no two-byte character of
// its own, so that the "]" written after it would become its second byte.
bool endsWithLoneLead(std::string_view name) {
    bool loneLead = false;
    for (std::size_t pos = 0; pos < name.size(); ++pos) {
        const bool lead = static_cast<unsigned char>(name[pos]) >= 0x80;
        const bool paired = lead && pos + 1 < name.size() && name[pos + 1] != '\0';
        loneLead = lead && !paired;
        pos += paired ? 1 : 0;
    }
    return loneLead;
}

// Names the engine has every right to refuse: empty after the lookup trimming, a line break,
// "]" in the section or a header it would leave open, "=" in the key or a key that would
// read as a comment or a header.
bool mayRefuse(std::string_view section, std::string_view key) {
    const std::string sectionForm = lookupForm(section);
    const std::string keyForm = lookupForm(key);
    const auto has = [](std::string_view text, std::string_view bytes) {
        return text.find_first_of(bytes) != std::string_view::npos;
    };
    return sectionForm.empty() || keyForm.empty() || has(sectionForm, "]\r\n") ||
           endsWithLoneLead(sectionForm) || has(keyForm, "=\r\n") || keyForm.front() == ';' ||
           keyForm.front() == '#' || keyForm.front() == '[';
}

// What reading gives back of a value: the bytes before its first line break or NUL.
std::string_view readablePart(std::string_view value) {
    constexpr std::string_view kEnds("\r\n\0", 3);
    return value.substr(0, std::min(value.find_first_of(kEnds), value.size()));
}

// The file's lines without their ends; CR LF, LF and a lone CR each end one.
std::vector<std::string_view> linesOf(std::string_view content) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t pos = 0; pos < content.size(); ++pos) {
        if (content[pos] != '\r' && content[pos] != '\n') continue;
        lines.push_back(content.substr(start, pos - start));
        if (content[pos] == '\r' && pos + 1 < content.size() && content[pos + 1] == '\n') ++pos;
        start = pos + 1;
    }
    if (start < content.size()) lines.push_back(content.substr(start));
    return lines;
}

// Section and key names as they appear in the file, for checking that the write leaves
// them alone: the text between "[" and the first "]" of a header, the text before "=".
void collectNames(std::string_view content, std::vector<std::string>& sections,
                  std::vector<std::string>& keys) {
    for (std::string_view line : linesOf(content)) {
        while (!line.empty() && isTrimmedBlank(line.front()))
            line.remove_prefix(1);
        const std::size_t close = line.find(']');
        if (!line.empty() && line.front() == '[' && close != std::string_view::npos) {
            if (sections.size() < kMaxCandidates) sections.emplace_back(line.substr(1, close - 1));
        } else if (line.find('=') != std::string_view::npos && keys.size() < kMaxCandidates) {
            keys.emplace_back(line.substr(0, line.find('=')));
        }
    }
}

void checkRead(std::string_view file, const Operation& operation) {
    const std::optional<Text> read = readIniValue(file, operation.readSection, operation.readKey);
    if (!read) return;
    require(read->size() < kSettingBufferSize, "a value reads back shorter than the buffer");
    require(readablePart(*read) == *read, "a value read holds no line break and no NUL",
            {{"value", *read}});
}

// Lines as both files have them, the same before and after the write except for one
// line changed in place, or one or two lines added (a key, or a section and its key).
void checkLineStructure(std::string_view file, std::string_view written) {
    const std::vector<std::string_view> before = linesOf(file);
    const std::vector<std::string_view> after = linesOf(written);
    std::size_t same = 0;
    while (same < before.size() && same < after.size() && before[same] == after[same])
        ++same;
    std::size_t sameAtEnd = 0;
    while (sameAtEnd < std::min(before.size(), after.size()) - same &&
           before[before.size() - 1 - sameAtEnd] == after[after.size() - 1 - sameAtEnd]) {
        ++sameAtEnd;
    }
    const std::size_t removed = before.size() - same - sameAtEnd;
    const std::size_t added = after.size() - same - sameAtEnd;
    require(removed == 0 ? added <= 2 : removed == 1 && added == 1,
            "a write changes one line or adds at most two", {{"file", file}, {"written", written}});
}

void checkOthersUnchanged(std::string_view file, std::string_view written,
                          const Operation& operation) {
    std::vector<std::string> sections{operation.readSection};
    std::vector<std::string> keys{operation.readKey};
    collectNames(file, sections, keys);
    const std::string writtenSection = lookupForm(operation.writeSection);
    const std::string writtenKey = lookupForm(operation.writeKey);
    for (const std::string& section : sections) {
        for (const std::string& key : keys) {
            if (lookupForm(section) == writtenSection && lookupForm(key) == writtenKey) continue;
            const std::optional<Text> before = readIniValue(file, section, key);
            const std::optional<Text> after = readIniValue(written, section, key);
            require(before == after, "every other key reads back as before",
                    {{"section", section},
                     {"key", key},
                     {"before", before.value_or("(absent)")},
                     {"after", after.value_or("(absent)")},
                     {"written", written}});
        }
    }
}

void checkWrite(std::string_view file, const Operation& operation) {
    const std::optional<Bytes> written =
        writeIniValue(file, operation.writeSection, operation.writeKey, operation.value);
    if (!written) {
        require(mayRefuse(operation.writeSection, operation.writeKey),
                "only names that would break the file are refused",
                {{"section", operation.writeSection}, {"key", operation.writeKey}});
        return;
    }
    const std::optional<Text> readBack =
        readIniValue(*written, operation.writeSection, operation.writeKey);
    const std::string_view expected =
        readablePart(operation.value).substr(0, kSettingBufferSize - 1);
    require(readBack == expected, "the value written reads back",
            {{"section", operation.writeSection},
             {"key", operation.writeKey},
             {"expected", expected},
             {"read back", readBack.value_or("(absent)")},
             {"written", *written}});
    checkLineStructure(file, *written);
    checkOthersUnchanged(file, *written, operation);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    const Operation operation = decode(data);
    const std::string file = data.ConsumeRemainingBytesAsString();
    checkRead(file, operation);
    checkWrite(file, operation);
    return 0;
}

// splitText, findText and textToInt on any bytes, each against a plain version written from
// their rules: one character at a time, a byte of 0x80 or above followed by a non-zero byte
// being one two-byte character.
//
// Input: the separator (also the sought text), ending at a backslash followed by any other
// byte ("\\" stands for one backslash); the rest of the input is the text.
#include "fuzz_check.h"
#include "shell/text_rules.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cctype>
#include <cstdint>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kMaxSeparatorBytes = 16;

bool isLead(char byte) {
    return static_cast<unsigned char>(byte) >= 0x80;
}

// The offsets at which characters start.
std::vector<std::size_t> characterStarts(std::string_view text) {
    std::vector<std::size_t> starts;
    std::size_t pos = 0;
    while (pos < text.size()) {
        starts.push_back(pos);
        pos += isLead(text[pos]) && pos + 1 < text.size() && text[pos + 1] != '\0' ? 2 : 1;
    }
    return starts;
}

bool matchesAt(std::string_view text, std::size_t pos, std::string_view sought) {
    return text.substr(pos, sought.size()) == sought;
}

// A lead byte followed by 0x00 gives the search up.
int referenceFind(std::string_view text, std::string_view sought) {
    if (sought.empty()) return text.empty() ? -1 : 1;
    for (const std::size_t start : characterStarts(text)) {
        if (isLead(text[start]) && start + 1 < text.size() && text[start + 1] == '\0') break;
        if (matchesAt(text, start, sought)) return static_cast<int>(start) + 1;
    }
    return -1;
}

// Cuts at the first separator on a character start, then goes on with what follows it as
// a text of its own.
TextArray referenceSplit(std::string_view text, std::string_view separator) {
    if (text.empty()) return {};
    if (separator.empty()) return {Text(text)};
    TextArray parts;
    std::string_view rest = text;
    for (;;) {
        std::size_t cut = rest.size();
        for (const std::size_t start : characterStarts(rest)) {
            if (matchesAt(rest, start, separator)) {
                cut = start;
                break;
            }
        }
        if (cut == rest.size()) break;
        parts.emplace_back(rest.substr(0, cut));
        rest.remove_prefix(cut + separator.size());
    }
    if (!rest.empty()) parts.emplace_back(rest);
    return parts;
}

// A full-width form as its ASCII byte, or 0 for any other two-byte character.
char asciiOf(unsigned char lead, unsigned char trail) {
    if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) return static_cast<char>(trail - 0x80);
    if (lead == 0xA1 && trail == 0xA1) return ' ';
    if (lead == 0xA1 && trail == 0xAB) return '~';
    if (lead == 0xA1 && (trail == 0xEE || trail == 0xEF)) return '*';
    return 0;
}

std::string foldedFullWidth(std::string_view text) {
    std::string folded;
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        const auto lead = static_cast<unsigned char>(text[pos]);
        const bool pair = lead >= 0x80 && pos + 1 < text.size() && text[pos + 1] != '\0';
        const char ascii = pair ? asciiOf(lead, static_cast<unsigned char>(text[pos + 1])) : 0;
        if (ascii != 0) {
            folded += ascii;
        } else {
            folded += text.substr(pos, pair ? 2 : 1);
        }
        pos += pair ? 1 : 0;
    }
    return folded;
}

// The number in 64-bit arithmetic, reduced to its low 32 bits at every step.
int referenceToInt(std::string_view text) {
    const std::string folded = foldedFullWidth(text);
    std::size_t pos = 0;
    while (pos < folded.size() && std::isspace(static_cast<unsigned char>(folded[pos])))
        ++pos;
    std::int64_t sign = 1;
    if (pos < folded.size() && (folded[pos] == '+' || folded[pos] == '-')) {
        sign = folded[pos] == '-' ? -1 : 1;
        ++pos;
    }
    std::int64_t value = 0;
    while (pos < folded.size() && std::isdigit(static_cast<unsigned char>(folded[pos]))) {
        value = (value * 10 + (folded[pos] - '0')) % 0x100000000LL;
        ++pos;
    }
    return static_cast<int>(static_cast<std::uint32_t>((sign * value) & 0xFFFFFFFFLL));
}

std::string shownParts(const TextArray& parts) {
    std::string shown;
    for (const Text& part : parts)
        shown += "[" + part + "]";
    return shown;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    const Text separator = data.ConsumeRandomLengthString(kMaxSeparatorBytes);
    const Text text = data.ConsumeRemainingBytesAsString();

    const TextArray parts = splitText(text, separator);
    const TextArray expectedParts = referenceSplit(text, separator);
    require(parts == expectedParts, "splitText cuts at separators on character starts",
            {{"text", text},
             {"separator", separator},
             {"parts", shownParts(parts)},
             {"expected", shownParts(expectedParts)}});

    const int found = findText(text, separator);
    const int expectedFound = referenceFind(text, separator);
    require(found == expectedFound, "findText gives the first match on a character start",
            {{"text", text},
             {"sought", separator},
             {"found", std::to_string(found)},
             {"expected", std::to_string(expectedFound)}});

    const int number = textToInt(text);
    const int expectedNumber = referenceToInt(text);
    require(number == expectedNumber, "textToInt reads the leading number after folding",
            {{"text", text},
             {"number", std::to_string(number)},
             {"expected", std::to_string(expectedNumber)}});
    return 0;
}

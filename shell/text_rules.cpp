#include "text_rules.h"

#include "host_services.h"

namespace {

constexpr unsigned char kFullWidthLead = 0xA3;
constexpr unsigned char kSymbolLead = 0xA1;
constexpr char kEndOfFileMark = 0x1A;

unsigned char byteAt(const Text& text, std::size_t pos) {
    return static_cast<unsigned char>(text[pos]);
}

// The ASCII byte a two-byte full-width form stands for, or 0 when it stands for none.
char foldedFullWidth(unsigned char lead, unsigned char trail) {
    if (lead == kFullWidthLead && trail >= 0xA1 && trail <= 0xFE) {
        return static_cast<char>(trail - 0x80);
    }
    if (lead != kSymbolLead) return 0;
    switch (trail) {
    case 0xA1:
        return ' ';
    case 0xAB:
        return '~';
    case 0xEE:
    case 0xEF:
        return '*';
    default:
        return 0;
    }
}

Text foldFullWidthForms(const Text& text) {
    Text folded;
    folded.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t size = characterSize(text, pos);
        const char ascii =
            size == 2 ? foldedFullWidth(byteAt(text, pos), byteAt(text, pos + 1)) : 0;
        if (ascii != 0) {
            folded += ascii;
        } else {
            folded.append(text, pos, size);
        }
        pos += size;
    }
    return folded;
}

bool isWhiteSpace(char byte) {
    return byte == ' ' || (byte >= '\t' && byte <= '\r');
}

bool isDigit(char byte) {
    return byte >= '0' && byte <= '9';
}

} // namespace

int textByteLength(const Text& text) {
    return static_cast<int>(text.size());
}

TextArray splitText(const Text& text, const Text& separator) {
    if (text.empty()) return {};
    if (separator.empty()) return {text};
    TextArray parts;
    std::size_t partStart = 0;
    for (std::size_t pos = 0; pos < text.size();) {
        if (text.compare(pos, separator.size(), separator) == 0) {
            parts.push_back(text.substr(partStart, pos - partStart));
            pos += separator.size();
            partStart = pos;
        } else {
            pos += characterSize(text, pos);
        }
    }
    if (partStart < text.size()) parts.push_back(text.substr(partStart));
    return parts;
}

int findText(const Text& text, const Text& sought) {
    if (sought.empty()) return text.empty() ? -1 : 1;
    for (std::size_t pos = 0; pos < text.size();) {
        if (isLeadByte(text[pos]) && pos + 1 < text.size() && text[pos + 1] == '\0') return -1;
        if (text.compare(pos, sought.size(), sought) == 0) return static_cast<int>(pos) + 1;
        pos += characterSize(text, pos);
    }
    return -1;
}

// Computed in unsigned arithmetic so that a number too large for int wraps the way the
// platform's unchecked conversion does, without undefined behaviour here.
int textToInt(const Text& text) {
    const Text folded = foldFullWidthForms(text);
    std::size_t pos = 0;
    while (pos < folded.size() && isWhiteSpace(folded[pos]))
        ++pos;
    const bool negative = pos < folded.size() && folded[pos] == '-';
    if (pos < folded.size() && (folded[pos] == '-' || folded[pos] == '+')) ++pos;
    std::uint32_t value = 0;
    for (; pos < folded.size() && isDigit(folded[pos]); ++pos) {
        value = value * 10u + static_cast<std::uint32_t>(folded[pos] - '0');
    }
    return static_cast<int>(negative ? 0u - value : value);
}

Text intToText(int value) {
    return std::to_string(value);
}

Text boolToText(bool value) {
    return value ? "真" : "假";
}

bool textIsTrue(const Text& text) {
    return text == "真";
}

std::size_t textEndInBytes(const char* bytes, std::size_t size) {
    for (std::size_t pos = 0; pos < size;) {
        const char byte = bytes[pos];
        if (byte == '\0' || byte == kEndOfFileMark) return pos;
        if (isLeadByte(byte) && pos + 1 < size) {
            if (bytes[pos + 1] == '\0') return pos;
            pos += 2;
        } else {
            ++pos;
        }
    }
    return size;
}

Text directoryOfPath(const Text& programPath) {
    std::size_t lastSeparator = Text::npos;
    for (std::size_t pos = 0; pos < programPath.size(); pos += characterSize(programPath, pos)) {
        if (programPath[pos] == '\\') lastSeparator = pos;
    }
    return lastSeparator == Text::npos ? Text() : programPath.substr(0, lastSeparator);
}

const Text& textArrayElement(const TextArray& array, int index) {
    if (index < 1) host().fatalError(indexBelowOneError());
    if (static_cast<std::size_t>(index) > array.size()) host().fatalError(indexAboveCountError());
    return array[static_cast<std::size_t>(index) - 1];
}

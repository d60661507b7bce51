#include "ini_file.h"

#include <algorithm>

namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr std::string_view kLineBreakOrNul("\r\n\0", 3);

// One line of the file: `text` without its line end (CR LF, LF or a lone CR, as the
// platform's profile functions take it), `end` the offset just after the line end (equal to
// the offset after `text` on a last line without one).
struct Line {
    std::string_view text;
    std::size_t start = 0;
    std::size_t end = 0;
};

enum class LineKind { other, section, key };

// A line as the reader understands it. For a key line `valueStart` is the offset in
// the line just after the "=".
struct ParsedLine {
    LineKind kind = LineKind::other;
    std::string_view name;
    std::string_view value;
    std::size_t valueStart = 0;
};

bool isBlank(char byte) {
    return byte == ' ' || byte == '\t' || byte == '\r';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Offset of the first single-byte `wanted`, skipping the trail bytes of two-byte
// characters, which may hold the same code.
std::size_t findCharacter(std::string_view text, char wanted, std::size_t from = 0) {
    for (std::size_t pos = from; pos < text.size(); pos += characterSize(text, pos)) {
        if (text[pos] == wanted) return pos;
    }
    return std::string_view::npos;
}

bool containsLineBreak(std::string_view text) {
    return text.find_first_of(kCrLf) != std::string_view::npos;
}

char asciiLower(char byte) {
    return byte >= 'A' && byte <= 'Z' ? byte + ('a' - 'A') : byte;
}

// Equal without regard to ASCII case; the bytes of a two-byte character must match
// exactly, since a trail byte can hold the code of a capital letter.
bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t pos = 0; pos < a.size();) {
        const std::size_t size = characterSize(a, pos);
        if (size == 2 ? a.substr(pos, 2) != b.substr(pos, 2)
                      : asciiLower(a[pos]) != asciiLower(b[pos])) {
            return false;
        }
        pos += size;
    }
    return true;
}

bool isQuote(char byte) {
    return byte == '"' || byte == '\'';
}

bool isQuoted(std::string_view value) {
    return value.size() >= 2 && isQuote(value.front()) && value.front() == value.back();
}

ParsedLine parseLine(std::string_view line) {
    const std::string_view content = trimmed(line);
    if (content.empty() || content.front() == ';' || content.front() == '#') return {};
    if (content.front() == '[') {
        const std::size_t close = findCharacter(content, ']', 1);
        if (close != std::string_view::npos) {
            return {LineKind::section, trimmed(content.substr(1, close - 1)), {}, 0};
        }
    }
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return {};
    return {LineKind::key, trimmed(line.substr(0, equals)), trimmed(line.substr(equals + 1)),
            equals + 1};
}

// Walks the content line by line without copying it.
class LineReader {
  public:
    explicit LineReader(std::string_view content) : content_(content) {}

    bool next(Line& line) {
        if (offset_ >= content_.size()) return false;
        const std::size_t textEnd = lineBreakFrom(offset_);
        std::size_t end = textEnd;
        if (end < content_.size()) end += content_.compare(end, kCrLf.size(), kCrLf) == 0 ? 2 : 1;
        line = {content_.substr(offset_, textEnd - offset_), offset_, end};
        offset_ = end;
        return true;
    }

  private:
    // The first CR or LF from `from` on, or the content's end. Each byte is searched for
    // again only once reading has passed where it was last found, so a file of megabytes
    // is read in one pass whichever line ends it uses.
    std::size_t lineBreakFrom(std::size_t from) {
        if (lineFeed_ < from) lineFeed_ = next('\n', from);
        if (carriageReturn_ < from) carriageReturn_ = next('\r', from);
        return std::min(lineFeed_, carriageReturn_);
    }

    std::size_t next(char byte, std::size_t from) const {
        return std::min(content_.find(byte, from), content_.size());
    }

    std::string_view content_;
    std::size_t offset_ = 0;
    std::size_t lineFeed_ = next('\n', 0);
    std::size_t carriageReturn_ = next('\r', 0);
};

// A name as the lookup uses it: leading control bytes and spaces skipped, and trailing
// blanks dropped so that it can match the trimmed names of the file.
std::string_view lookupName(std::string_view name) {
    return trimmed(skipLeadingBlanks(name));
}

// Where a key sits in the content, or where it would be added.
struct KeyLocation {
    bool sectionFound = false;
    bool keyFound = false;
    std::size_t valueBegin = 0; // key found: the value's bytes after "=" up to the line end
    std::size_t valueEnd = 0;
    std::size_t insertAt = 0;        // key absent: just after the section's last non-blank line
    bool insertNeedsLineEnd = false; // that line is the last of the file and has no line end
};

KeyLocation locateKey(std::string_view content, std::string_view section, std::string_view key) {
    KeyLocation location;
    LineReader reader(content);
    Line line;
    while (reader.next(line)) {
        const ParsedLine parsed = parseLine(line.text);
        if (location.sectionFound && parsed.kind == LineKind::section) break;
        if (!location.sectionFound) {
            location.sectionFound =
                parsed.kind == LineKind::section && sameName(parsed.name, section);
        } else if (parsed.kind == LineKind::key && sameName(parsed.name, key)) {
            location.keyFound = true;
            location.valueBegin = line.start + parsed.valueStart;
            location.valueEnd = line.start + line.text.size();
            return location;
        }
        if (location.sectionFound && !trimmed(line.text).empty()) {
            location.insertAt = line.end;
            location.insertNeedsLineEnd = line.end == line.start + line.text.size();
        }
    }
    return location;
}

// The line end of the file's first line; CR LF when it has none.
std::string_view lineEndOf(std::string_view content) {
    const std::size_t end = content.find_first_of(kCrLf);
    if (end == std::string_view::npos) return kCrLf;
    if (content.compare(end, kCrLf.size(), kCrLf) == 0) return kCrLf;
    return content.substr(end, 1);
}

// The value as it is put in the file: its first line only, up to a NUL byte, where reading
// ends it, and quoted when reading would otherwise trim or unquote it.
Text storedValue(std::string_view value) {
    value = value.substr(0, std::min(value.find_first_of(kLineBreakOrNul), value.size()));
    const bool altered = !value.empty() && (isBlank(value.front()) || isBlank(value.back()));
    if (!altered && !isQuoted(value)) return Text(value);
    Text quoted(1, '"');
    quoted.append(value).push_back('"');
    return quoted;
}

// The header must close at the "]" written after the name: one inside it, or a last byte
// that would take that "]" as the second byte of a character, leaves the header unreadable.
bool isWritableSection(std::string_view section) {
    const Text header = Text(section) + "]";
    return findCharacter(header, ']') == section.size() && !containsLineBreak(section);
}

bool isWritableKey(std::string_view key) {
    const char first = key.front();
    return first != ';' && first != '#' && first != '[' &&
           key.find('=') == std::string_view::npos && !containsLineBreak(key);
}

Bytes withInsertion(std::string_view content, std::size_t at, std::string_view inserted,
                    std::size_t replacedCount = 0) {
    Bytes result;
    result.reserve(content.size() + inserted.size());
    result.append(content.substr(0, at));
    result.append(inserted);
    result.append(content.substr(at + replacedCount));
    return result;
}

} // namespace

std::string_view skipLeadingBlanks(std::string_view name) {
    const auto first = std::find_if(name.begin(), name.end(), [](char byte) {
        return static_cast<unsigned char>(byte) > 0x20;
    });
    return name.substr(static_cast<std::size_t>(first - name.begin()));
}

std::optional<Text> readIniValue(std::string_view content, std::string_view section,
                                 std::string_view key) {
    section = lookupName(section);
    key = lookupName(key);
    if (section.empty() || key.empty()) return std::nullopt;
    const KeyLocation location = locateKey(content, section, key);
    if (!location.keyFound) return std::nullopt;
    std::string_view value =
        trimmed(content.substr(location.valueBegin, location.valueEnd - location.valueBegin));
    // Texts hold no NUL byte: the value ends at one, as in the platform's string buffer.
    value = value.substr(0, value.find('\0'));
    if (isQuoted(value)) value = value.substr(1, value.size() - 2);
    return Text(value.substr(0, kSettingBufferSize - 1));
}

std::optional<Bytes> writeIniValue(std::string_view content, std::string_view section,
                                   std::string_view key, std::string_view value) {
    section = lookupName(section);
    key = lookupName(key);
    if (section.empty() || key.empty()) return std::nullopt;
    if (!isWritableSection(section) || !isWritableKey(key)) return std::nullopt;

    const KeyLocation location = locateKey(content, section, key);
    const Text stored = storedValue(value);
    if (location.keyFound) {
        return withInsertion(content, location.valueBegin, stored,
                             location.valueEnd - location.valueBegin);
    }
    const std::string_view lineEnd = lineEndOf(content);
    const Text keyLine = Text(key) + "=" + stored + Text(lineEnd);
    if (location.sectionFound) {
        const Text leadingLineEnd = location.insertNeedsLineEnd ? Text(lineEnd) : Text();
        return withInsertion(content, location.insertAt, leadingLineEnd + keyLine);
    }
    const bool endsWithLineEnd =
        content.empty() || content.back() == '\n' || content.back() == '\r';
    const Text sectionLines = (endsWithLineEnd ? Text() : Text(lineEnd)) + "[" + Text(section) +
                              "]" + Text(lineEnd) + keyLine;
    return withInsertion(content, content.size(), sectionLines);
}

#include "text_document.h"

#include "shell/text.h"

TextDocument::TextDocument() {
    assign({});
}

void TextDocument::assign(std::string_view text) {
    bytes_.assign(text);
    lines_.rebuild(bytes_.beforeGap());
}

void TextDocument::replace(std::size_t from, std::size_t to, std::string_view bytes) {
    bytes_.replace(from, to, bytes);
    const std::size_t windowStart = from > 0 ? from - 1 : 0;
    const std::size_t insertedEnd = from + bytes.size();
    const char following = insertedEnd < size() ? at(insertedEnd) : '\0';
    lines_.replace(from, to - from, bytes.size(), bytes_.beforeGap().substr(windowStart),
                   following);
}

Paragraph TextDocument::paragraph(std::size_t index) const {
    const std::size_t start = lines_.start(index);
    if (index + 1 == lines_.count()) return {start, size(), size()};
    const std::size_t next = lines_.start(index + 1);
    const bool pair = at(next - 1) == '\n' && next >= start + 2 && at(next - 2) == '\r';
    return {start, next - (pair ? 2 : 1), next};
}

std::size_t TextDocument::characterSizeAt(std::size_t pos, std::size_t limit) const {
    return isLeadByte(at(pos)) && pos + 1 < limit && at(pos + 1) != '\0' ? 2 : 1;
}

#include "row_breaker.h"

namespace {

std::size_t pastSpaces(const TextDocument& document, std::size_t pos, std::size_t end) {
    while (pos < end && document.at(pos) == ' ')
        ++pos;
    return pos;
}

} // namespace

std::size_t nextRowStart(const TextDocument& document, CharacterWidths& widths,
                         std::size_t rowStart, std::size_t contentEnd, int wrapWidth) {
    long long x = 0;
    std::size_t lastBreak = rowStart; // rowStart itself never counts as a break
    bool breakFollows = false;        // the previous character allows a break after it
    for (std::size_t pos = rowStart; pos < contentEnd;) {
        const std::size_t size = document.characterSizeAt(pos, contentEnd);
        const char first = document.at(pos);
        const bool wide = size == 2;
        const int width = wide ? widths.width(first, document.at(pos + 1)) : widths.width(first);
        if (pos > rowStart) {
            if (wide || breakFollows) lastBreak = pos;
            if (x + width > wrapWidth) {
                if (first == ' ') return pastSpaces(document, pos, contentEnd);
                return lastBreak > rowStart ? lastBreak : pos;
            }
        }
        x += width;
        breakFollows = wide || first == ' ';
        pos += size;
    }
    return contentEnd;
}

#include "line_index.h"

#include <algorithm>
#include <cstring>

namespace {

const char* nextByte(const char* from, const char* end, char byte) {
    const void* found = std::memchr(from, byte, static_cast<std::size_t>(end - from));
    return found ? static_cast<const char*>(found) : end;
}

// Appends base + the offset just after every break in `bytes`; `following` decides
// whether a "\r" at the very end is the first half of a "\r\n".
template <typename Start>
void appendLineStarts(std::string_view bytes, std::size_t base, char following,
                      std::vector<Start>& starts) {
    const char* begin = bytes.data();
    const char* end = begin + bytes.size();
    const char* lineFeed = nextByte(begin, end, '\n');
    const char* carriageReturn = nextByte(begin, end, '\r');
    while (lineFeed != end || carriageReturn != end) {
        if (lineFeed < carriageReturn) {
            starts.push_back(static_cast<Start>(base + (lineFeed - begin) + 1));
            lineFeed = nextByte(lineFeed + 1, end, '\n');
            continue;
        }
        const char after = carriageReturn + 1 < end ? carriageReturn[1] : following;
        if (after != '\n')
            starts.push_back(static_cast<Start>(base + (carriageReturn - begin) + 1));
        carriageReturn = nextByte(carriageReturn + 1, end, '\r');
    }
}

} // namespace

void LineIndex::rebuild(std::string_view text) {
    starts_.assign(1, 0);
    appendLineStarts(text, 0, '\0', starts_);
    starts_.shrink_to_fit();
}

void LineIndex::replace(std::size_t from, std::size_t removed, std::size_t inserted,
                        std::string_view window, char following) {
    // A start depends on the two bytes before it, so the starts from `from` to the end of
    // the inserted bytes are found again; those before stay and those after shift.
    const std::size_t to = from + removed;
    const auto first = std::lower_bound(starts_.begin() + 1, starts_.end(), from);
    const auto last = std::upper_bound(first, starts_.end(), to);

    std::vector<Start> found;
    appendLineStarts(window, from - (from > 0 ? 1 : 0), following, found);

    for (auto it = last; it != starts_.end(); ++it)
        *it = static_cast<Start>(*it - removed + inserted);
    const auto gone = starts_.erase(first, last);
    starts_.insert(gone, found.begin(), found.end());
}

bool LineIndex::holds(std::size_t line, std::size_t pos) const {
    return starts_[line] <= pos && (line + 1 == starts_.size() || pos < starts_[line + 1]);
}

std::size_t LineIndex::lineOf(std::size_t pos) const {
    const std::size_t near = std::min(lastFound_, starts_.size() - 1);
    const std::size_t last = std::min(near + 1, starts_.size() - 1);
    for (std::size_t line = near > 0 ? near - 1 : 0; line <= last; ++line) {
        if (holds(line, pos)) return lastFound_ = line;
    }
    const auto after = std::upper_bound(starts_.begin(), starts_.end(), pos);
    return lastFound_ = static_cast<std::size_t>(after - starts_.begin()) - 1;
}

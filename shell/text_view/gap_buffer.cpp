#include "gap_buffer.h"

#include <algorithm>
#include <cstring>

namespace {

// Room left for edits: enough for a long paste without regrowing, small beside a
// novel of tens of megabytes.
std::size_t spareRoomFor(std::size_t size) {
    constexpr std::size_t kMinimumGap = 4096;
    return std::max(kMinimumGap, size / 64);
}

} // namespace

void GapBuffer::assign(std::string_view bytes) {
    capacity_ = bytes.size() + spareRoomFor(bytes.size());
    data_ = std::make_unique_for_overwrite<char[]>(capacity_);
    if (!bytes.empty()) std::memcpy(data_.get(), bytes.data(), bytes.size());
    gapStart_ = bytes.size();
    gapEnd_ = capacity_;
}

void GapBuffer::replace(std::size_t from, std::size_t to, std::string_view bytes) {
    moveGapTo(from);
    gapEnd_ += to - from;
    if (bytes.size() > gapLength()) widenGap(bytes.size());
    if (!bytes.empty()) std::memcpy(data_.get() + gapStart_, bytes.data(), bytes.size());
    gapStart_ += bytes.size();
}

std::string GapBuffer::slice(std::size_t from, std::size_t to) const {
    std::string bytes;
    bytes.resize(to - from);
    copy(from, to, bytes.data());
    return bytes;
}

void GapBuffer::copy(std::size_t from, std::size_t to, char* out) const {
    const std::size_t front = from < gapStart_ ? std::min(to, gapStart_) - from : 0;
    if (front > 0) std::memcpy(out, data_.get() + from, front);
    if (front < to - from) {
        std::memcpy(out + front, data_.get() + from + front + gapLength(), to - from - front);
    }
}

void GapBuffer::moveGapTo(std::size_t pos) {
    if (pos < gapStart_) {
        const std::size_t count = gapStart_ - pos;
        std::memmove(data_.get() + gapEnd_ - count, data_.get() + pos, count);
        gapStart_ -= count;
        gapEnd_ -= count;
    } else if (pos > gapStart_) {
        const std::size_t count = pos - gapStart_;
        std::memmove(data_.get() + gapStart_, data_.get() + gapEnd_, count);
        gapStart_ += count;
        gapEnd_ += count;
    }
}

void GapBuffer::widenGap(std::size_t needed) {
    const std::size_t after = capacity_ - gapEnd_;
    const std::size_t kept = gapStart_ + after;
    const std::size_t capacity = kept + needed + spareRoomFor(kept + needed);
    auto data = std::make_unique_for_overwrite<char[]>(capacity);
    if (gapStart_ > 0) std::memcpy(data.get(), data_.get(), gapStart_);
    if (after > 0) std::memcpy(data.get() + capacity - after, data_.get() + gapEnd_, after);
    data_ = std::move(data);
    capacity_ = capacity;
    gapEnd_ = capacity - after;
}

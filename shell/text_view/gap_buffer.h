// The editor's bytes, held once, with a gap where the last edit happened so that
// typing moves only the bytes between one edit and the next.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

class GapBuffer {
  public:
    void assign(std::string_view bytes);

    std::size_t size() const { return capacity_ - gapLength(); }
    char at(std::size_t pos) const {
        return pos < gapStart_ ? data_[pos] : data_[pos + gapLength()];
    }

    // Replaces [from, to) by `bytes` and leaves the gap right after them, so that the
    // bytes from 0 to the end of the new ones are one piece (beforeGap).
    void replace(std::size_t from, std::size_t to, std::string_view bytes);

    std::string slice(std::size_t from, std::size_t to) const;
    // The bytes [from, to) into `out`, which has room for them.
    void copy(std::size_t from, std::size_t to, char* out) const;
    std::string text() const { return slice(0, size()); }
    std::string_view beforeGap() const { return {data_.get(), gapStart_}; }

  private:
    std::size_t gapLength() const { return gapEnd_ - gapStart_; }
    void moveGapTo(std::size_t pos);
    void widenGap(std::size_t needed);

    std::unique_ptr<char[]> data_;
    std::size_t capacity_ = 0;
    std::size_t gapStart_ = 0;
    std::size_t gapEnd_ = 0;
};

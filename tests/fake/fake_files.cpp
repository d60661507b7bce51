#include "fake_files.h"

#include "shell/text_rules.h"

void FakeFiles::put(const Text& path, const Bytes& bytes) {
    std::lock_guard guard(lock_);
    files_[path] = bytes;
}

std::optional<Bytes> FakeFiles::get(const Text& path) const {
    std::lock_guard guard(lock_);
    auto found = files_.find(path);
    if (found == files_.end()) return std::nullopt;
    return found->second;
}

// As a directory search would: a file, or a directory by itself or by what it holds.
bool FakeFiles::exists(const Text& path) const {
    std::lock_guard guard(lock_);
    if (path.empty()) return false;
    if (files_.contains(path) || directories_.contains(path)) return true;
    auto after = files_.lower_bound(path + "\\");
    return after != files_.end() && after->first.starts_with(path + "\\");
}

void FakeFiles::addDirectory(const Text& path) {
    std::lock_guard guard(lock_);
    directories_.insert(path);
}

void FakeFiles::denyReading(const Text& path) {
    std::lock_guard guard(lock_);
    unreadable_.insert(path);
}

void FakeFiles::denyWriting(const Text& path) {
    std::lock_guard guard(lock_);
    unwritable_.insert(path);
}

int FakeFiles::open(const Text& path) {
    std::lock_guard guard(lock_);
    auto found = files_.find(path);
    if (path.empty() || found == files_.end() || unreadable_.contains(path)) return 0;
    open_[nextHandle_] = OpenFile{path, found->second};
    return nextHandle_++;
}

Text FakeFiles::readRemaining(int handle) {
    std::lock_guard guard(lock_);
    auto found = open_.find(handle);
    if (found == open_.end()) return "";
    OpenFile& file = found->second;
    const char* start = file.bytes.data() + file.position;
    std::size_t available = file.bytes.size() - file.position;
    std::size_t length = textEndInBytes(start, available);
    file.position += length;
    return Text(start, length);
}

Bytes FakeFiles::bytesAfterText(int handle) const {
    std::lock_guard guard(lock_);
    auto found = open_.find(handle);
    if (found == open_.end()) return "";
    const Bytes& bytes = found->second.bytes;
    return bytes.substr(textEndInBytes(bytes.data(), bytes.size()));
}

void FakeFiles::close(int handle) {
    std::lock_guard guard(lock_);
    open_.erase(handle);
}

bool FakeFiles::isOpen(int handle) const {
    std::lock_guard guard(lock_);
    return open_.contains(handle);
}

int FakeFiles::openCount() const {
    std::lock_guard guard(lock_);
    return static_cast<int>(open_.size());
}

bool FakeFiles::write(const Text& path, const Bytes& bytes) {
    std::lock_guard guard(lock_);
    if (path.empty() || unwritable_.contains(path) || directories_.contains(path)) return false;
    for (const auto& [handle, file] : open_) {
        if (file.path == path) return false;
    }
    files_[path] = bytes;
    return true;
}

bool FakeFiles::remove(const Text& path) {
    std::lock_guard guard(lock_);
    return files_.erase(path) > 0;
}

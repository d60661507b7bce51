// The table of open files and the reading of a file's text.
#include "file_table.h"

#include "shell/text_rules.h"
#include "whole_files.h"

#include <algorithm>

int FileTable::openForReading(const Text& path) {
    if (path.empty()) return 0;
    HANDLE file = openSharedForReading(path);
    if (file == INVALID_HANDLE_VALUE) return 0;
    std::lock_guard guard(lock_);
    auto free = std::find(slots_.begin(), slots_.end(), nullptr);
    if (free == slots_.end()) free = slots_.insert(slots_.end(), nullptr);
    *free = file;
    return static_cast<int>(free - slots_.begin()) + 1;
}

HANDLE FileTable::find(int file) const {
    std::lock_guard guard(lock_);
    if (file < 1 || file > static_cast<int>(slots_.size())) return nullptr;
    return slots_[static_cast<std::size_t>(file) - 1];
}

Text FileTable::readRemainingText(int file) {
    HANDLE handle = find(file);
    LARGE_INTEGER length{};
    if (!handle || !GetFileSizeEx(handle, &length) || length.QuadPart < 1) return "";
    LARGE_INTEGER start{};
    Bytes bytes;
    if (!SetFilePointerEx(handle, LARGE_INTEGER{}, &start, FILE_CURRENT) ||
        !readUpTo(handle, bytes, static_cast<std::size_t>(length.QuadPart))) {
        SetFilePointerEx(handle, LARGE_INTEGER{}, nullptr, FILE_END);
        return "";
    }
    bytes.resize(textEndInBytes(bytes.data(), bytes.size()));
    LARGE_INTEGER after{};
    after.QuadPart = start.QuadPart + static_cast<LONGLONG>(bytes.size());
    SetFilePointerEx(handle, after, nullptr, FILE_BEGIN);
    return bytes;
}

Bytes FileTable::bytesAfterText(int file) {
    HANDLE handle = find(file);
    LARGE_INTEGER length{}, position{};
    if (!handle || !GetFileSizeEx(handle, &length) ||
        !SetFilePointerEx(handle, LARGE_INTEGER{}, &position, FILE_CURRENT) ||
        !SetFilePointerEx(handle, LARGE_INTEGER{}, nullptr, FILE_BEGIN)) {
        return "";
    }
    Bytes bytes;
    const bool read = readUpTo(handle, bytes, static_cast<std::size_t>(length.QuadPart));
    SetFilePointerEx(handle, position, nullptr, FILE_BEGIN);
    if (!read) return "";
    bytes.erase(0, textEndInBytes(bytes.data(), bytes.size()));
    return bytes;
}

void FileTable::close(int file) {
    HANDLE handle = nullptr;
    {
        std::lock_guard guard(lock_);
        if (file < 1 || file > static_cast<int>(slots_.size())) return;
        std::swap(handle, slots_[static_cast<std::size_t>(file) - 1]);
    }
    if (handle) CloseHandle(handle);
}

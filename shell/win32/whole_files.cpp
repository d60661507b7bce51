// Reads and writes whole files with the ANSI file functions, so paths stay GBK bytes.
#include "whole_files.h"

#include "shell/text_rules.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdio>

namespace {

constexpr std::size_t kChunk = std::size_t{1} << 30;
constexpr int kTemporaryNameAttempts = 100;

class FileHandle {
  public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle() {
        if (isOpen()) CloseHandle(handle_);
    }
    bool isOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }

  private:
    HANDLE handle_;
};

// A new, empty file beside `path`, so the final rename stays on one volume. Named here
// rather than by GetTempFileNameA, which cuts its answer to MAX_PATH bytes although the
// ANSI file functions take a longer GBK path, and would leave its file behind.
Text temporaryFileBeside(const Text& path) {
    static std::atomic<unsigned> serial{GetTickCount()};
    Text directory = directoryOfPath(path);
    directory = (directory.empty() ? Text(".") : directory) + "\\";
    for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
        char name[32];
        std::snprintf(name, sizeof name, "vly%08X.tmp",
                      static_cast<unsigned>(GetCurrentProcessId() << 16) ^ serial++);
        Text candidate = directory + name;
        FileHandle file(CreateFileA(candidate.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file.isOpen()) return candidate;
        if (GetLastError() != ERROR_FILE_EXISTS) return "";
    }
    return "";
}

bool isAbsence(DWORD error) {
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

// Creates the file, allowing no other opener meanwhile, and writes the bytes through to
// the disk.
bool writeNewFile(const Text& path, const Bytes& bytes) {
    FileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.isOpen()) return false;
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD written = 0;
        DWORD chunk = static_cast<DWORD>(std::min(bytes.size() - done, kChunk));
        if (!WriteFile(file.get(), bytes.data() + done, chunk, &written, nullptr) || written == 0) {
            return false;
        }
        done += written;
    }
    return FlushFileBuffers(file.get());
}

} // namespace

HANDLE openSharedForReading(const Text& path) {
    return CreateFileA(path.c_str(), GENERIC_READ,
                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

bool readUpTo(HANDLE file, Bytes& buffer, std::size_t size) {
    buffer.resize(size);
    std::size_t done = 0;
    while (done < size) {
        DWORD chunk = static_cast<DWORD>(std::min(size - done, kChunk));
        DWORD got = 0;
        if (!ReadFile(file, buffer.data() + done, chunk, &got, nullptr)) return false;
        if (got == 0) break;
        done += got;
    }
    buffer.resize(done);
    return true;
}

std::optional<Bytes> readWholeFile(const Text& path) {
    FileHandle file(openSharedForReading(path));
    if (!file.isOpen()) {
        if (isAbsence(GetLastError())) return Bytes{};
        return std::nullopt;
    }
    LARGE_INTEGER size{};
    Bytes bytes;
    if (!GetFileSizeEx(file.get(), &size) ||
        !readUpTo(file.get(), bytes, static_cast<std::size_t>(size.QuadPart))) {
        return std::nullopt;
    }
    return bytes;
}

bool pathFindsEntry(const Text& path) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(path.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);
    return true;
}

bool replaceWholeFile(const Text& path, const Bytes& bytes) {
    Text temporary = temporaryFileBeside(path);
    if (temporary.empty()) return false;
    bool replaced = writeNewFile(temporary, bytes) &&
                    MoveFileExA(temporary.c_str(), path.c_str(),
                                MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!replaced) DeleteFileA(temporary.c_str());
    return replaced;
}

// The profile functions and the files they work on, as the comparison uses them.
#include "platform_profile.h"

#include "shell/ini_file.h"

#include <windows.h>

#include <fstream>
#include <iterator>
#include <vector>

ScratchFolder::ScratchFolder() {
    char temp[MAX_PATH];
    const DWORD length = GetTempPathA(MAX_PATH, temp);
    if (length == 0 || length >= MAX_PATH) return;
    const std::string path =
        std::string(temp) + "vellumry_ini_compare_" + std::to_string(GetCurrentProcessId());
    if (CreateDirectoryA(path.c_str(), nullptr)) path_ = path;
}

ScratchFolder::~ScratchFolder() {
    if (path_.empty()) return;
    WIN32_FIND_DATAA entry;
    const HANDLE search = FindFirstFileA((path_ + "\\*.ini").c_str(), &entry);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            DeleteFileA((path_ + "\\" + entry.cFileName).c_str());
        } while (FindNextFileA(search, &entry));
        FindClose(search);
    }
    RemoveDirectoryA(path_.c_str());
}

std::string ScratchFolder::fileFor(int caseNumber) const {
    return path_ + "\\case" + std::to_string(caseNumber) + ".ini";
}

std::optional<Bytes> fileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

bool putFileBytes(const std::string& path, const Bytes& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

Text platformRead(const std::string& path, const Text& section, const Text& key) {
    std::vector<char> buffer(kSettingBufferSize);
    const DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), "", buffer.data(),
                                                  static_cast<DWORD>(buffer.size()), path.c_str());
    return Text(buffer.data(), length);
}

void platformWrite(const std::string& path, const Text& section, const Text& key,
                   const Text& value) {
    WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path.c_str());
}

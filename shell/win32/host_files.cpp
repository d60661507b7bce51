// The Win32 host's file, settings and folder services.
#include "win32_host.h"

#include "whole_files.h"

#include <shlobj.h>

int Win32Host::openFileForReading(const Text& path) {
    return files_.openForReading(path);
}

Text Win32Host::readRemainingText(int file) {
    return files_.readRemainingText(file);
}

Bytes Win32Host::readBytesAfterText(int file) {
    return files_.bytesAfterText(file);
}

void Win32Host::closeFile(int file) {
    files_.close(file);
}

Bytes Win32Host::textToBytes(const Text& text) {
    return text;
}

bool Win32Host::writeFileBytes(const Text& path, const Bytes& bytes) {
    return !path.empty() && replaceWholeFile(path, bytes);
}

bool Win32Host::fileExists(const Text& path) {
    return !path.empty() && pathFindsEntry(path);
}

bool Win32Host::deleteFile(const Text& path) {
    return DeleteFileA(path.c_str()) != 0;
}

Text Win32Host::programDirectory() {
    return programDirectory_;
}

Text Win32Host::specialFolderPath(int kind) {
    char folder[MAX_PATH] = {};
    if (kind != kDesktopFolder || SHGetFolderPathA(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr,
                                                   SHGFP_TYPE_CURRENT, folder) != S_OK) {
        return "";
    }
    Text path = folder;
    if (path.empty()) return "";
    // Only a drive root comes back with its backslash already there.
    if (!path.ends_with(":\\")) path += '\\';
    return path;
}

Text Win32Host::readSetting(const Text& path, const Text& section, const Text& key) {
    return settings_.read(path, section, key);
}

bool Win32Host::writeSetting(const Text& path, const Text& section, const Text& key,
                             const Text& value) {
    return settings_.write(path, section, key, value);
}

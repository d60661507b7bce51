// Reads settings with the shared INI engine and writes them whole through a temporary
// file, so a crash leaves the old file or the new one, never part of one.
#include "settings_store.h"

#include "shell/ini_file.h"
#include "whole_files.h"

#include <windows.h>

Text SettingsStore::read(const Text& path, const Text& section, const Text& key) {
    Text file(skipLeadingBlanks(path));
    std::string_view sectionName = skipLeadingBlanks(section);
    std::string_view keyName = skipLeadingBlanks(key);
    if (file.empty() || sectionName.empty() || keyName.empty()) return "";
    std::lock_guard guard(lock_);
    std::optional<Bytes> content = readWholeFile(file);
    if (!content) return "";
    return readIniValue(*content, sectionName, keyName).value_or("");
}

bool SettingsStore::write(const Text& path, const Text& section, const Text& key,
                          const Text& value) {
    Text file(skipLeadingBlanks(path));
    std::string_view sectionName = skipLeadingBlanks(section);
    std::string_view keyName = skipLeadingBlanks(key);
    if (file.empty() || sectionName.empty() || keyName.empty()) return false;
    std::lock_guard guard(lock_);
    std::optional<Bytes> content = readWholeFile(file);
    if (!content) return false;
    std::optional<Bytes> updated = writeIniValue(*content, sectionName, keyName, value);
    if (!updated) return false;
    // The position is written every ten seconds, mostly unchanged: no rewrite for that.
    return *updated == *content || replaceWholeFile(file, *updated);
}

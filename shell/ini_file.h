// The settings-file engine shared by every host: reads and rewrites the bytes of an
// INI file the way the platform's private-profile functions read them.
#pragma once

#include "text.h"

#include <optional>
#include <string_view>

// Values are read through a buffer of this many bytes, so at most one less come back.
inline constexpr std::size_t kSettingBufferSize = 10240;

// Skips leading bytes of value 0x20 or below, as the profile functions do for the file
// path, the section and the key.
std::string_view skipLeadingBlanks(std::string_view name);

// The value of `key` in `section` of the file content, both matched without regard
// to ASCII case; std::nullopt when the section or the key is absent. Lines end with CR LF,
// LF or a lone CR. The value is trimmed, ends before a NUL byte, is unquoted and is cut to
// kSettingBufferSize - 1 bytes.
std::optional<Text> readIniValue(std::string_view content, std::string_view section,
                                 std::string_view key);

// The file content with `key` of `section` set to `value`: replaced in place, added at
// the end of its section, or added in a new section at the end of the file. Lines the
// change does not touch, comments and blank lines included, keep their bytes; new
// lines follow the file's own line ends (CR LF for a new file). A value that holds a
// line break keeps only its first line, so no value can add a line to the file, and a
// value ends before a NUL byte, as reading ends it there.
// std::nullopt when the section or the key cannot be written without breaking the
// file's structure (a line break in either, "]" in the section or a lead byte left
// without its second byte at its end, "=" in the key) or is empty after skipLeadingBlanks.
std::optional<Bytes> writeIniValue(std::string_view content, std::string_view section,
                                   std::string_view key, std::string_view value);

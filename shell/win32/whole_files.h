// Whole-file reads and writes by path, for documents and the settings file.
#pragma once

#include "shell/text.h"

#include <windows.h>

#include <optional>

// Opens an existing file read-only, letting others read, write and delete it meanwhile;
// INVALID_HANDLE_VALUE when it cannot.
HANDLE openSharedForReading(const Text& path);

// Reads up to `size` bytes from the present position into `buffer`, fewer at the file's
// end; false when a read fails.
bool readUpTo(HANDLE file, Bytes& buffer, std::size_t size);

// The file's bytes; "" when the file does not exist; std::nullopt when it exists but
// cannot be read.
std::optional<Bytes> readWholeFile(const Text& path);

// Whether a directory search for the path finds anything: directories and wildcard
// patterns that match count.
bool pathFindsEntry(const Text& path);

// The file at `path` holds `bytes` afterwards, or is left exactly as it was: the bytes go
// to a temporary file beside it, which is then swapped in. Fails while the target is
// held open (Wine refuses the swap then, even when the holder shares deletion).
bool replaceWholeFile(const Text& path, const Bytes& bytes);

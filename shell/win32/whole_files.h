// Whole-file reads and writes by path, for documents and the settings file.
#pragma once

#include "shell/text.h"

#include <optional>

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

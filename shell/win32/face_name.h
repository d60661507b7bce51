// Putting a face name into a font description, whose field holds at most 31 bytes.
#pragma once

#include "shell/text.h"

#include <windows.h>

#include <algorithm>
#include <cstring>

inline void setFaceName(LOGFONTA& description, const Text& name) {
    std::size_t length = std::min(name.size(), std::size_t{LF_FACESIZE - 1});
    std::memcpy(description.lfFaceName, name.data(), length);
    description.lfFaceName[length] = '\0';
}

// The files and operations that the comparison applies both to our INI engine and to the
// platform's profile functions, and the reasons for which the two differ on purpose.
#pragma once

#include "shell/text.h"

#include <optional>
#include <vector>

enum class IniOperation { read, write };

struct IniCase {
    const char* name;
    std::optional<Bytes> file; // std::nullopt: there is no file before the operation
    IniOperation operation;
    Text section;
    Text key;
    Text value = {}; // what a write stores; unused by a read
    // nullptr where both engines must give the same bytes; otherwise why ours differs.
    const char* differsBecause = nullptr;
};

const std::vector<IniCase>& iniCases();

// The version block of a program file, as the shell's properties page reads it.
#include "command.h"
#include "output.h"

#include <windows.h>

#include <cstdio>
#include <stdexcept>
#include <vector>

namespace {

constexpr const char* kStringNames[] = {"FileVersion", "ProductVersion", "FileDescription",
                                        "ProductName", "Comments"};

struct Translation {
    WORD language;
    WORD codePage;
};

std::string versionText(DWORD high, DWORD low) {
    return std::to_string(HIWORD(high)) + "." + std::to_string(LOWORD(high)) + "." +
           std::to_string(HIWORD(low)) + "." + std::to_string(LOWORD(low));
}

std::string fourHex(WORD value) {
    char text[8];
    std::snprintf(text, sizeof text, "%04X", value);
    return text;
}

void printStrings(const std::vector<char>& block, const Translation& translation) {
    const std::string prefix =
        "\\StringFileInfo\\" + fourHex(translation.language) + fourHex(translation.codePage) + "\\";
    for (const char* name : kStringNames) {
        char* value = nullptr;
        UINT length = 0;
        if (VerQueryValueA(block.data(), (prefix + name).c_str(), reinterpret_cast<void**>(&value),
                           &length) &&
            value) {
            printField(name, value);
        }
    }
}

// "fixed-file-version", "fixed-product-version", then per translation "translation <lang>
// <code page>" followed by the strings present in it, each as "<name> <value>".
int version(Arguments args) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(args[0], &ignored);
    if (size == 0) throw std::runtime_error(std::string("no version block in ") + args[0]);
    std::vector<char> block(size);
    GetFileVersionInfoA(args[0], 0, size, block.data());
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length) && fixed) {
        printField("fixed-file-version",
                   versionText(fixed->dwFileVersionMS, fixed->dwFileVersionLS));
        printField("fixed-product-version",
                   versionText(fixed->dwProductVersionMS, fixed->dwProductVersionLS));
    }
    Translation* translations = nullptr;
    if (!VerQueryValueA(block.data(), "\\VarFileInfo\\Translation",
                        reinterpret_cast<void**>(&translations), &length)) {
        length = 0;
    }
    for (UINT i = 0; i < length / sizeof(Translation); ++i) {
        printField("translation",
                   fourHex(translations[i].language) + " " + fourHex(translations[i].codePage));
        printStrings(block, translations[i]);
    }
    return 0;
}

constexpr Command kCommands[] = {
    {"version", "<program file (Windows path)>", 1, 1, version},
};

} // namespace

std::span<const Command> versionCommands() {
    return kCommands;
}

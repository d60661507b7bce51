// Window style bits by name, so that the scenario scripts can look for one with grep -w.
#pragma once

#include <span>
#include <string>

struct FlagName {
    unsigned long bits;
    const char* name;
};

// The value in hexadecimal, then the name of every listed flag whose bits are all set.
std::string flagsText(unsigned long value, std::span<const FlagName> names);

#include "flag_names.h"

#include "output.h"

std::string flagsText(unsigned long value, std::span<const FlagName> names) {
    std::string text = hexText(value, 8);
    for (const FlagName& flag : names) {
        if ((value & flag.bits) == flag.bits) text += std::string(" ") + flag.name;
    }
    return text;
}

#include "character_widths.h"

#include <algorithm>

namespace {

constexpr int kNotMeasured = -1;
constexpr std::size_t kSingleSlots = 256;
// Lead bytes are 0x80 and above: 128 of them, each with 256 possible trail bytes.
constexpr std::size_t kPairSlots = 128 * 256;

std::size_t byteValue(char byte) {
    return static_cast<unsigned char>(byte);
}

} // namespace

CharacterWidths::CharacterWidths() {
    setMeasure([](std::string_view) { return 0; });
}

void CharacterWidths::setMeasure(Measure measure) {
    measure_ = std::move(measure);
    widths_.assign(kSingleSlots + kPairSlots, kNotMeasured);
}

int CharacterWidths::width(char single) {
    return remembered(byteValue(single), std::string_view(&single, 1));
}

int CharacterWidths::width(char lead, char trail) {
    const std::size_t slot = kSingleSlots + (byteValue(lead) - 0x80) * 256 + byteValue(trail);
    const char pair[] = {lead, trail};
    return remembered(slot, std::string_view(pair, 2));
}

int CharacterWidths::remembered(std::size_t slot, std::string_view character) {
    int& width = widths_[slot];
    if (width == kNotMeasured) width = std::max(measure_(character), 0);
    return width;
}

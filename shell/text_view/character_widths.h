// The pixel width of each character, asked of the font once and then remembered:
// wrapping a screen asks for thousands of widths, and a font knows only about 22,000
// distinct characters of this code page.
#pragma once

#include <functional>
#include <string_view>
#include <vector>

class CharacterWidths {
  public:
    // Given the character's bytes: one, or a lead byte and its trail byte.
    using Measure = std::function<int(std::string_view character)>;

    CharacterWidths();

    // Forgets every width measured before. Negative widths count as 0.
    void setMeasure(Measure measure);

    int width(char single);
    int width(char lead, char trail);

  private:
    int remembered(std::size_t slot, std::string_view character);

    Measure measure_;
    std::vector<int> widths_;
};

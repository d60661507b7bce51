// Where a row of wrapped text ends. A row takes characters while they fit in the wrap
// width; when one does not, the row ends at the last place where a line may break: after
// a space, or before or after a two-byte (CJK) character, so Latin words move whole to
// the next row and CJK text breaks between any two characters. Spaces that do not fit
// hang past the right edge rather than start a row. A row always takes at least one
// character, however wide.
#pragma once

#include "character_widths.h"
#include "text_document.h"

#include <cstddef>

// The start of the row after the one starting at `rowStart`, or `contentEnd` when this
// row is the last of its paragraph.
std::size_t nextRowStart(const TextDocument& document, CharacterWidths& widths,
                         std::size_t rowStart, std::size_t contentEnd, int wrapWidth);

// What counts as a word for double-clicks and Ctrl+Left/Right, kept simple: a run of
// ASCII letters, digits and underscores, or a run of two-byte characters other than
// the symbol rows (lead bytes 0xA1 to 0xA9, which hold the full-width punctuation,
// spaces and signs). So a double-click in Chinese text selects the clause between two
// punctuation marks. A word never crosses a line break.
#pragma once

#include "row_layout.h"

enum class CharacterClass { Space, Word, Punctuation, LineBreak, EndOfText };

CharacterClass classOf(const TextDocument& document, CharacterSpan character);

// The word holding `offset` (or ending there, at the end of a line), else the one
// character there.
CharacterSpan wordAt(RowLayout& layout, std::size_t offset);

// Ctrl+Right: past the rest of this word or run of punctuation and the spaces after it;
// a line break is a stop of its own.
std::size_t nextWordStart(RowLayout& layout, std::size_t offset);
// Ctrl+Left: back over spaces, then to the start of the word or run before them.
std::size_t previousWordStart(RowLayout& layout, std::size_t offset);

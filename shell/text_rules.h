// The text services every host shares: pure functions over GBK byte strings.
#pragma once

#include "text.h"

#include <cstddef>
#include <cstdint>

int textByteLength(const Text& text);

// Splits at every occurrence of `separator` that starts on a character boundary.
// Empty text gives no elements; an empty separator gives the whole text; a trailing
// separator adds no empty last element.
TextArray splitText(const Text& text, const Text& separator);

// 1-based byte position of the first match starting on a character boundary, −1 when
// there is none. An empty `sought` gives 1 for a non-empty text, −1 otherwise.
int findText(const Text& text, const Text& sought);

// Folds GBK full-width forms to ASCII, then reads a leading signed decimal number
// (wrapping modulo 2^32, like the original's unchecked arithmetic). No digits give 0.
int textToInt(const Text& text);

Text intToText(int value);

// "真" for true, "假" for false: the stored form of a flag.
Text boolToText(bool value);

// True only for exactly "真".
bool textIsTrue(const Text& text);

// Where the text of a file's bytes ends: before the first 0x00 or 0x1A, or before a
// lead byte that is followed by 0x00; `size` when none is found.
std::size_t textEndInBytes(const char* bytes, std::size_t size);

// Everything before the last backslash of `programPath`, found with two-byte characters
// respected; "" when there is none.
Text directoryOfPath(const Text& programPath);

// The element at 1-based `index`; an index below 1 or above the count is the host's
// fatal array error.
const Text& textArrayElement(const TextArray& array, int index);

// Texts as the reader sees them: GBK byte strings, lengths and positions in bytes.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// Bytes in the system's 8-bit multi-byte code page, without NUL bytes. The empty
// text and an absent text are one value.
using Text = std::string;

// File content: a counted run of bytes.
using Bytes = std::string;

// A one-dimensional array of texts. The logic indexes it from 1 through
// textArrayElement, which turns a bad index into the host's fatal error.
using TextArray = std::vector<Text>;

// A byte of 0x80 or above followed by a non-zero byte starts a two-byte character.
inline bool isLeadByte(char byte) {
    return static_cast<unsigned char>(byte) >= 0x80;
}

// Bytes taken by the character at `pos`: 2 for a lead byte followed by a non-zero
// byte, otherwise 1.
inline std::size_t characterSize(std::string_view text, std::size_t pos) {
    return isLeadByte(text[pos]) && pos + 1 < text.size() && text[pos + 1] != '\0' ? 2 : 1;
}

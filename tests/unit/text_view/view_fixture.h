// What the text view tests share: a font whose widths are easy to count and helpers
// that read the view back as plain values.
#pragma once

#include "shell/text.h"
#include "shell/text_view/text_view.h"

#include <string>
#include <string_view>
#include <vector>

// ASCII 6 px, a two-byte character 12 px, and '#' 50 px for a character wider than a
// narrow view. Rows are 12 px high.
inline int testWidth(std::string_view character) {
    if (character.size() == 2) return 12;
    return character == "#" ? 50 : 6;
}
inline constexpr int kTestRowHeight = 12;

// A view of `text` wrapping at `width` and `rows` rows high.
inline void showText(TextView& view, std::string_view text, int width, int rows) {
    view.setFont(testWidth, kTestRowHeight);
    view.setViewSize(width, rows * kTestRowHeight);
    view.setText(text);
}

// The text of each visible row.
inline std::vector<std::string> visibleRowTexts(TextView& view) {
    std::vector<std::string> rows;
    for (const VisibleRow& row : view.visibleRows())
        rows.push_back(view.bytes(row.start, row.end));
    return rows;
}

// Every offset that starts a character or a line break, and the text's end, found the
// plain way: scanning each line from its start, a line break ending every line.
inline std::vector<std::size_t> characterBoundaries(const Text& text) {
    std::vector<std::size_t> boundaries;
    for (std::size_t pos = 0; pos < text.size();) {
        boundaries.push_back(pos);
        if (text[pos] == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n') {
            pos += 2;
        } else if (text[pos] == '\r' || text[pos] == '\n' || pos + 1 == text.size() ||
                   text[pos + 1] == '\r' || text[pos + 1] == '\n') {
            pos += 1;
        } else {
            pos += characterSize(text, pos);
        }
    }
    boundaries.push_back(text.size());
    return boundaries;
}

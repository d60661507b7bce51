#include "view_fixture.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Where a byte offset falls back to so that no character is cut: what a text handed out
// up to that offset keeps whole.
TEST(CharacterStart, NeverCutsATwoByteCharacterOrALineBreak) {
    // Bytes: a 0, 中 1-2, b 3, CR LF 4-5, 文 6-7, a lone lead byte before LF 8, LF 9, c 10.
    const std::string text = "a中b\r\n文\xB0\nc";
    const std::size_t expected[] = {0, 1, 1, 3, 4, 4, 6, 6, 8, 9, 10, 11, 11};
    TextView view;
    showText(view, text, 600, 3);
    for (std::size_t offset = 0; offset < std::size(expected); ++offset) {
        SCOPED_TRACE(offset);
        EXPECT_EQ(view.characterStart(offset), expected[offset]);
    }
}

TEST(CharacterStart, HoldsDeepInALongWrappedParagraph) {
    std::string text = "x";
    for (int i = 0; i < 5000; ++i)
        text += "字";
    TextView view;
    showText(view, text, 36, 3);
    EXPECT_EQ(view.characterStart(8001), 8001u);
    EXPECT_EQ(view.characterStart(8002), 8001u);
}

} // namespace

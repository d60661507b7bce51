#include "word_rules.h"

namespace {

constexpr unsigned char kFirstSymbolRow = 0xA1;
constexpr unsigned char kLastSymbolRow = 0xA9;
constexpr unsigned char kIdeographicSpaceByte = 0xA1;

bool isAsciiWordByte(unsigned char byte) {
    return (byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'Z') ||
           (byte >= 'a' && byte <= 'z') || byte == '_';
}

bool endsLine(CharacterClass kind) {
    return kind == CharacterClass::LineBreak || kind == CharacterClass::EndOfText;
}

// The character that ends at `offset`, which is above 0.
CharacterSpan characterBefore(RowLayout& layout, std::size_t offset) {
    return layout.characterAt(offset - 1);
}

// Where the run of `kind` characters that ends at `offset` begins.
std::size_t runStart(RowLayout& layout, std::size_t offset, CharacterClass kind) {
    while (offset > 0) {
        const CharacterSpan before = characterBefore(layout, offset);
        if (classOf(layout.document(), before) != kind) break;
        offset = before.start;
    }
    return offset;
}

// Where the run of `kind` characters that starts at `offset` ends.
std::size_t runEnd(RowLayout& layout, std::size_t offset, CharacterClass kind) {
    for (;;) {
        const CharacterSpan after = layout.characterAt(offset);
        if (classOf(layout.document(), after) != kind) return offset;
        offset = after.end;
    }
}

} // namespace

CharacterClass classOf(const TextDocument& document, CharacterSpan character) {
    if (character.start == character.end) return CharacterClass::EndOfText;
    const auto first = static_cast<unsigned char>(document.at(character.start));
    if (first == '\r' || first == '\n') return CharacterClass::LineBreak;
    if (character.end - character.start == 1) {
        if (first == ' ' || first == '\t') return CharacterClass::Space;
        return isAsciiWordByte(first) ? CharacterClass::Word : CharacterClass::Punctuation;
    }
    const auto second = static_cast<unsigned char>(document.at(character.start + 1));
    if (first == kIdeographicSpaceByte && second == kIdeographicSpaceByte) {
        return CharacterClass::Space;
    }
    const bool symbol = first >= kFirstSymbolRow && first <= kLastSymbolRow;
    return symbol ? CharacterClass::Punctuation : CharacterClass::Word;
}

CharacterSpan wordAt(RowLayout& layout, std::size_t offset) {
    const TextDocument& document = layout.document();
    CharacterSpan character = layout.characterAt(offset);
    if (endsLine(classOf(document, character))) {
        // At the end of a line the word is the one that ends there; an empty line has none.
        if (character.start == 0) return {0, 0};
        const CharacterSpan before = characterBefore(layout, character.start);
        if (classOf(document, before) == CharacterClass::LineBreak) {
            return {character.start, character.start};
        }
        character = before;
    }
    if (classOf(document, character) != CharacterClass::Word) return character;
    return {runStart(layout, character.start, CharacterClass::Word),
            runEnd(layout, character.end, CharacterClass::Word)};
}

std::size_t nextWordStart(RowLayout& layout, std::size_t offset) {
    const TextDocument& document = layout.document();
    const CharacterSpan character = layout.characterAt(layout.boundaryAtOrAfter(offset));
    const CharacterClass kind = classOf(document, character);
    if (endsLine(kind)) return character.end;
    const std::size_t pos =
        kind == CharacterClass::Space ? character.start : runEnd(layout, character.end, kind);
    return runEnd(layout, pos, CharacterClass::Space);
}

std::size_t previousWordStart(RowLayout& layout, std::size_t offset) {
    const std::size_t from = layout.boundaryAtOrBefore(offset);
    const std::size_t pos = runStart(layout, from, CharacterClass::Space);
    if (pos == 0) return 0;
    const CharacterSpan before = characterBefore(layout, pos);
    const CharacterClass kind = classOf(layout.document(), before);
    // Spaces at a line's start stop at that start; else the move crosses the line break.
    if (kind == CharacterClass::LineBreak) return pos < from ? pos : before.start;
    return runStart(layout, pos, kind);
}

// Deterministic GBK novels for the editor's benchmarks, the same for every benchmark and
// every run: GB2312 characters (lead 0xB0 to 0xD7, trail 0xA1 to 0xFE) in clauses ended
// by "，" or "。", paragraphs indented by two full-width spaces and separated by "\r\n".
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <utility>

inline constexpr std::size_t kKilobyte = 1024;
inline constexpr std::size_t kMegabyte = 1024 * kKilobyte;

// A novel's size and how its paragraphs run: mixed lengths as in a real novel, or every
// paragraph `paragraphBytes` long.
struct NovelShape {
    const char* name;
    std::size_t bytes;
    std::size_t paragraphBytes = 0; // 0: mixed
};

inline constexpr NovelShape kNovelShapes[] = {
    {"1KB", kKilobyte},
    {"1MB", kMegabyte},
    {"5MB", 5 * kMegabyte},
    {"20MB", 20 * kMegabyte},
    {"50MB", 50 * kMegabyte},
    {"1MB_one_paragraph", kMegabyte, kMegabyte},
    {"1MB_100KB_paragraphs", kMegabyte, 100 * kKilobyte},
};

class NovelWriter {
  public:
    explicit NovelWriter(std::uint32_t seed) : random_(seed) {}

    std::string write(const NovelShape& shape) {
        std::string text;
        text.reserve(shape.bytes + 4 * kKilobyte);
        while (text.size() < shape.bytes) {
            if (!text.empty()) text += "\r\n";
            const std::size_t length = shape.paragraphBytes ? shape.paragraphBytes : mixedLength();
            appendParagraph(text, std::min(length, shape.bytes - text.size()));
        }
        return text;
    }

  private:
    // Mostly paragraphs of a few lines, many short lines of dialogue, a few long ones.
    std::size_t mixedLength() {
        const std::uint32_t kind = random_() % 100;
        if (kind < 30) return 20 + random_() % 80;
        if (kind < 85) return 100 + random_() % 500;
        return 600 + random_() % 2400;
    }

    void appendParagraph(std::string& text, std::size_t bytes) {
        const std::size_t end = text.size() + std::max<std::size_t>(bytes, 8);
        text += "　　";
        while (text.size() + 2 < end) {
            std::size_t clause = 8 + random_() % 22;
            while (clause-- > 0 && text.size() + 2 < end)
                appendCharacter(text);
            text += random_() % 4 == 0 ? "。" : "，";
        }
    }

    void appendCharacter(std::string& text) {
        text += static_cast<char>(0xB0 + random_() % (0xD7 - 0xB0 + 1));
        text += static_cast<char>(0xA1 + random_() % (0xFE - 0xA1 + 1));
    }

    std::mt19937 random_;
};

// Each shape is written from a seed of its own, made from its name, so a benchmark that
// needs one novel does not have to write the others first.
inline std::string writeNovel(const NovelShape& shape) {
    std::uint32_t seed = 2166136261u; // FNV-1a
    for (const char* c = shape.name; *c; ++c)
        seed = (seed ^ static_cast<unsigned char>(*c)) * 16777619u;
    return NovelWriter(seed).write(shape);
}

inline const NovelShape* novelShapeNamed(std::string_view name) {
    for (const NovelShape& shape : kNovelShapes) {
        if (name == shape.name) return &shape;
    }
    return nullptr;
}

// The first and last byte of the longest paragraph, line break excluded.
inline std::pair<std::size_t, std::size_t> longestParagraph(std::string_view text) {
    std::pair<std::size_t, std::size_t> longest{0, 0};
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find("\r\n", start), text.size());
        if (end - start > longest.second - longest.first) longest = {start, end};
        start = end + 2;
    }
    return longest;
}

// The middle of the longest paragraph, at an even offset: a character start, since every
// paragraph holds two-byte characters only.
inline std::size_t middleOfLongestParagraph(std::string_view text) {
    const auto [start, end] = longestParagraph(text);
    return start + (end - start) / 4 * 2;
}

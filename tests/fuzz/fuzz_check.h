// What a fuzz target does when a rule it checks does not hold: it shows the rule and the
// bytes involved, then aborts, which libFuzzer records as a find with the input saved.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <string_view>
#include <utility>

using ShownBytes = std::pair<const char*, std::string_view>;

// Printable ASCII as it is, every other byte as \xHH, so GBK and control bytes stay visible.
inline void printEscaped(std::string_view bytes) {
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        if (code >= 0x20 && code < 0x7F && code != '\\') {
            std::fputc(code, stderr);
        } else {
            std::fprintf(stderr, "\\x%02X", code);
        }
    }
}

inline void require(bool holds, const char* rule, std::initializer_list<ShownBytes> shown = {}) {
    if (holds) return;
    std::fprintf(stderr, "\nrule broken: %s\n", rule);
    for (const auto& [name, bytes] : shown) {
        std::fprintf(stderr, "  %s (%zu bytes): ", name, bytes.size());
        printEscaped(bytes.substr(0, 400));
        std::fputs(bytes.size() > 400 ? "...\n" : "\n", stderr);
    }
    std::abort();
}

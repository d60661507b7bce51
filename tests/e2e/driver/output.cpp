// Conversion of the program's GBK texts for the scenario scripts.
#include "output.h"

#include <windows.h>

#include <cstdio>

namespace {

constexpr UINT kGbkCodePage = 936;

std::string utf8FromGbk(std::string_view gbk) {
    if (gbk.empty()) return {};
    const int size = static_cast<int>(gbk.size());
    const int wideLength = MultiByteToWideChar(kGbkCodePage, 0, gbk.data(), size, nullptr, 0);
    std::wstring wide(wideLength, L'\0');
    MultiByteToWideChar(kGbkCodePage, 0, gbk.data(), size, wide.data(), wideLength);
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
    std::string utf8(length, '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, utf8.data(), length, nullptr, nullptr);
    return utf8;
}

} // namespace

void printLine(std::string_view gbk) {
    const std::string text = utf8FromGbk(gbk) + "\n";
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fflush(stdout);
}

void printError(std::string_view gbk) {
    const std::string text = utf8FromGbk(gbk) + "\n";
    std::fwrite(text.data(), 1, text.size(), stderr);
}

void printField(std::string_view key, std::string_view gbkValue) {
    printLine(std::string(key) + " " + std::string(gbkValue));
}

void printField(std::string_view key, long value) {
    printField(key, std::to_string(value));
}

std::string escapedText(std::string_view gbk) {
    std::string text;
    for (char c : gbk) {
        // Control bytes are below every GBK trail byte: replacing them never splits a character.
        if (c == '\r')
            text += "\\r";
        else if (c == '\n')
            text += "\\n";
        else if (c == '\t')
            text += "\\t";
        else
            text += c;
    }
    return text;
}

std::string hexText(unsigned long value, int digits) {
    char text[24];
    std::snprintf(text, sizeof text, "0x%0*lX", digits, value);
    return text;
}

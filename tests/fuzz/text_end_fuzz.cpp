// The byte scan behind readRemainingText on any file content, against a plain version of
// its rule: the text ends before the first 0x00 or 0x1A that is not the second byte of a
// two-byte character, or before a lead byte whose second byte is 0x00.
//
// Input: the file's bytes.
#include "fuzz_check.h"
#include "shell/text_rules.h"

#include <cstdint>
#include <string>

namespace {

// One byte at a time, remembering whether the byte before opened a two-byte character.
std::size_t referenceTextEnd(std::string_view bytes) {
    bool secondByte = false;
    for (std::size_t pos = 0; pos < bytes.size(); ++pos) {
        const auto byte = static_cast<unsigned char>(bytes[pos]);
        if (secondByte) {
            if (byte == 0x00) return pos - 1;
            secondByte = false;
        } else if (byte == 0x00 || byte == 0x1A) {
            return pos;
        } else {
            secondByte = byte >= 0x80;
        }
    }
    return bytes.size();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const std::string_view content(reinterpret_cast<const char*>(bytes), size);
    const std::size_t end = textEndInBytes(content.data(), content.size());
    const std::size_t expected = referenceTextEnd(content);
    require(end == expected, "the text ends where the scan rule says",
            {{"content", content},
             {"end", std::to_string(end)},
             {"expected", std::to_string(expected)}});
    return 0;
}

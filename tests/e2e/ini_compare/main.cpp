// Applies every case of the table to our INI engine and to the platform's profile functions
// and compares the bytes: the value read, or the whole file after a write. A case that the
// table says differs on purpose must still differ, so that the list of differences stays
// true. Prints one line per case (case names in ASCII, bytes escaped, so the output reads
// the same under any code page) and the differences by reason; exits with 0 when every case
// behaves as the table says.
#include "ini_cases.h"
#include "platform_profile.h"
#include "shell/ini_file.h"

#include <cstdio>
#include <map>
#include <string>

namespace {

constexpr std::size_t kShownBytes = 72;

std::string escaped(std::string_view bytes) {
    std::string shown;
    char hex[8];
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        if (code >= 0x20 && code < 0x7F && code != '\\') {
            shown += byte;
        } else {
            std::snprintf(hex, sizeof hex, "\\x%02X", code);
            shown += hex;
        }
    }
    return shown;
}

std::string quoted(std::string_view bytes) {
    std::string text(1, '"');
    text.append(escaped(bytes)).push_back('"');
    return text;
}

// Long contents by their length and both ends.
std::string shown(const std::optional<Bytes>& bytes) {
    if (!bytes) return "(no file)";
    if (bytes->size() <= kShownBytes) return quoted(*bytes);
    std::string text = std::to_string(bytes->size());
    text.append(" bytes: ").append(quoted(bytes->substr(0, 24)));
    text.append(" ... ").append(quoted(bytes->substr(bytes->size() - 24)));
    return text;
}

std::optional<Bytes> ourResult(const IniCase& c) {
    const Bytes content = c.file.value_or("");
    if (c.operation == IniOperation::read)
        return readIniValue(content, c.section, c.key).value_or("");
    const std::optional<Bytes> written = writeIniValue(content, c.section, c.key, c.value);
    return written ? written : c.file;
}

std::optional<Bytes> platformResult(const IniCase& c, const std::string& path) {
    if (c.file && !putFileBytes(path, *c.file)) {
        std::printf("cannot write %s\n", path.c_str());
        return std::nullopt;
    }
    if (c.operation == IniOperation::read) return platformRead(path, c.section, c.key);
    platformWrite(path, c.section, c.key, c.value);
    return fileBytes(path);
}

void showBoth(const std::optional<Bytes>& ours, const std::optional<Bytes>& platform) {
    std::printf("          ours:     %s\n          platform: %s\n", shown(ours).c_str(),
                shown(platform).c_str());
}

// Runs one case; true when it behaves as the table says.
bool compare(const IniCase& c, const std::string& path) {
    const std::optional<Bytes> ours = ourResult(c);
    const std::optional<Bytes> platform = platformResult(c, path);
    const bool same = ours == platform;
    if (same == (c.differsBecause == nullptr)) {
        std::printf("%-9s %s\n", same ? "same" : "differs", c.name);
        if (!same) showBoth(ours, platform);
        return true;
    }
    if (same) {
        std::printf("FAIL      %s: both give %s, yet the table says they differ\n", c.name,
                    shown(ours).c_str());
    } else {
        std::printf("FAIL      %s: the engines differ\n", c.name);
        showBoth(ours, platform);
    }
    return false;
}

void printDifferences() {
    std::map<std::string, std::string> casesByReason;
    for (const IniCase& c : iniCases()) {
        if (c.differsBecause == nullptr) continue;
        std::string& names = casesByReason[c.differsBecause];
        names += (names.empty() ? "" : ", ") + std::string(c.name);
    }
    std::printf("\nDifferences on purpose:\n");
    for (const auto& [reason, names] : casesByReason)
        std::printf("- %s\n  (%s)\n", reason.c_str(), names.c_str());
}

} // namespace

int main() {
    const ScratchFolder folder;
    if (!folder.ready()) {
        std::printf("cannot create a scratch folder\n");
        return 1;
    }
    int failures = 0;
    int number = 0;
    for (const IniCase& c : iniCases())
        failures += compare(c, folder.fileFor(++number)) ? 0 : 1;
    printDifferences();
    std::printf("\n%d cases, %d not as the table says\n", number, failures);
    return failures == 0 ? 0 : 1;
}

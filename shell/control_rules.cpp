#include "control_rules.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace {

constexpr int kEndOfTextSelection = -1;
constexpr int kPointsPerInch = 72;
constexpr int kMaxFaceNameBytes = 31;
constexpr int kMaxEditorDimension = 32627;
constexpr int kHotkeyIdBase = 33000;

constexpr unsigned kModAlt = 1;
constexpr unsigned kModControl = 2;
constexpr unsigned kModShift = 4;

// numerator / denominator rounded half away from zero, as MulDiv rounds; the
// denominator is positive.
std::int64_t roundedQuotient(std::int64_t numerator, std::int64_t denominator) {
    const std::int64_t magnitude = (numerator < 0 ? -numerator : numerator) + denominator / 2;
    return (numerator < 0 ? -1 : 1) * (magnitude / denominator);
}

int clampToInt(std::int64_t value) {
    return static_cast<int>(std::clamp<std::int64_t>(value, -INT_MAX, INT_MAX));
}

// Splits a filter at "|" on character boundaries, keeping empty fields.
std::vector<Text> filterFields(const Text& filter) {
    std::vector<Text> fields(1);
    for (std::size_t pos = 0; pos < filter.size();) {
        const std::size_t size = characterSize(filter, pos);
        if (size == 1 && filter[pos] == '|') {
            fields.emplace_back();
        } else {
            fields.back().append(filter, pos, size);
        }
        pos += size;
    }
    return fields;
}

bool endsWithDoubleBar(const std::vector<Text>& fields) {
    const std::size_t count = fields.size();
    return count >= 3 && fields[count - 1].empty() && fields[count - 2].empty();
}

} // namespace

RememberedSelection afterSetSelectionStart(RememberedSelection remembered, int value,
                                           int textLength) {
    if (value == kEndOfTextSelection) return {textLength, 0};
    remembered.start = std::max(value, 0);
    return remembered;
}

RememberedSelection afterSetSelectionLength(RememberedSelection remembered, int value,
                                            int textLength) {
    if (value == kEndOfTextSelection) return {0, textLength};
    remembered.count = std::max(value, 0);
    return remembered;
}

SelectionRange selectionToShow(RememberedSelection remembered, int textLength) {
    const std::int64_t end = std::int64_t{remembered.start} + remembered.count;
    return {std::min(remembered.start, textLength),
            static_cast<int>(std::min<std::int64_t>(end, textLength))};
}

TimerChange timerPeriodChange(int storedPeriod, int requestedPeriod) {
    const int period = std::max(requestedPeriod, 0);
    if (period == storedPeriod) return {storedPeriod, false};
    return {period, true};
}

int messageBoxStyle(int style) {
    return (style & kMessageBoxSystemModal) != 0 ? style : style | kMessageBoxTaskModal;
}

Text messageBoxTitle(const Text& title) {
    return title.empty() ? "信息：" : title;
}

// The platform reads the filter as NUL-separated strings ending at an empty one, so an
// empty description ends the list and a lone description gets an empty pattern.
std::vector<FilterEntry> fileDialogFilterEntries(const Text& filter) {
    if (filter.empty()) return {};
    std::vector<Text> fields = filterFields(filter);
    if (!endsWithDoubleBar(fields)) fields.resize(fields.size() + 2);
    std::vector<FilterEntry> entries;
    for (std::size_t i = 0; i + 1 < fields.size() && !fields[i].empty(); i += 2) {
        entries.push_back({fields[i], fields[i + 1]});
    }
    return entries;
}

// The platform takes the index as an unsigned number, so the largest int stays itself
// rather than overflowing.
int fileDialogFirstEntry(int initialFilterIndex) {
    const int index = std::max(initialFilterIndex, 0);
    return index == INT_MAX ? INT_MAX : index + 1;
}

int fontHeightForPoints(int points, int dpi) {
    if (points <= 0) return 0;
    return -clampToInt(roundedQuotient(std::int64_t{points} * dpi, kPointsPerInch));
}

int pointsForFontHeight(int height, int dpi) {
    if (dpi <= 0) return 0;
    const std::int64_t magnitude = height < 0 ? -std::int64_t{height} : height;
    return clampToInt(roundedQuotient(magnitude * kPointsPerInch, dpi));
}

Text editorFaceName(const Text& name) {
    const bool usable = !name.empty() && name.size() <= kMaxFaceNameBytes;
    return usable ? name : "宋体";
}

int clampEditorDimension(int pixels) {
    return std::clamp(pixels, 0, kMaxEditorDimension);
}

int hotkeyIdForRegistration(int registrationNumber) {
    return kHotkeyIdBase + registrationNumber;
}

unsigned hotkeyModifierBits(int modifierCode) {
    switch (modifierCode) {
    case 1:
        return kModControl;
    case 2:
        return kModShift;
    case 3:
        return kModControl | kModShift;
    case 4:
        return kModAlt;
    case 5:
        return kModControl | kModAlt;
    case 6:
        return kModShift | kModAlt;
    default:
        return static_cast<unsigned>(modifierCode);
    }
}

bool isReaderHotkeyId(int id, int lastIdGiven) {
    return id >= kFirstHotkeyId && id <= lastIdGiven;
}

Text droppedFilesText(const std::vector<Text>& paths) {
    if (paths.size() == 1) return paths.front();
    Text text;
    for (const Text& path : paths)
        text += path + "\r\n";
    return text;
}

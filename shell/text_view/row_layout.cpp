#include "row_layout.h"

#include "row_breaker.h"

#include <algorithm>

namespace {

// Enough paragraphs for several screens of any window; beyond it the ones far from
// where the reader is are forgotten and wrapped again if they come back into view.
constexpr std::size_t kRememberedParagraphs = 1024;
constexpr std::size_t kKeptAroundNew = 256;

} // namespace

RowLayout::RowLayout(const TextDocument& document) : document_(document) {
}

void RowLayout::setMeasure(CharacterWidths::Measure measure) {
    widths_.setMeasure(std::move(measure));
    forgetAll();
}

void RowLayout::setWrapWidth(int width) {
    if (width == wrapWidth_) return;
    wrapWidth_ = width;
    forgetAll();
}

void RowLayout::textReplaced(std::size_t first, std::size_t last, std::ptrdiff_t paragraphDelta,
                             std::size_t editOffset) {
    if (first == last && paragraphDelta == 0) {
        const auto found = paragraphs_.find(first);
        if (found == paragraphs_.end()) return;
        // A row's end may depend on characters as far as the end of the row after next,
        // so the edit can move the end of the row two above the edited one: wrapping
        // starts again from that row.
        std::vector<std::uint32_t>& starts = found->second.starts;
        const auto holding = std::upper_bound(starts.begin(), starts.end(), editOffset) - 1;
        const std::size_t edited = static_cast<std::size_t>(holding - starts.begin());
        starts.resize(edited >= 2 ? edited - 1 : 1);
        found->second.complete = false;
        return;
    }
    std::unordered_map<std::size_t, ParagraphRows> kept;
    for (auto& [paragraph, rows] : paragraphs_) {
        if (paragraph < first) kept.emplace(paragraph, std::move(rows));
        if (paragraph > last) kept.emplace(paragraph + paragraphDelta, std::move(rows));
    }
    paragraphs_ = std::move(kept);
}

RowLayout::ParagraphRows& RowLayout::rowsOf(std::size_t paragraph) {
    const auto found = paragraphs_.find(paragraph);
    if (found != paragraphs_.end()) return found->second;
    if (paragraphs_.size() >= kRememberedParagraphs) {
        std::erase_if(paragraphs_, [&](const auto& entry) {
            const std::size_t other = entry.first;
            return (other > paragraph ? other - paragraph : paragraph - other) > kKeptAroundNew;
        });
    }
    return paragraphs_[paragraph];
}

void RowLayout::layOutNextRow(std::size_t paragraph, ParagraphRows& rows) {
    const Paragraph bounds = document_.paragraph(paragraph);
    const std::size_t rowStart = bounds.start + rows.starts.back();
    const std::size_t next =
        nextRowStart(document_, widths_, rowStart, bounds.contentEnd, wrapWidth_);
    if (next >= bounds.contentEnd) {
        rows.complete = true;
    } else {
        rows.starts.push_back(static_cast<std::uint32_t>(next - bounds.start));
    }
}

RowLayout::ParagraphRows& RowLayout::rowsPast(std::size_t paragraph, std::size_t offset) {
    ParagraphRows& rows = rowsOf(paragraph);
    while (!rows.complete && rows.starts.back() <= offset)
        layOutNextRow(paragraph, rows);
    return rows;
}

RowLayout::ParagraphRows& RowLayout::rowsThrough(std::size_t paragraph, std::size_t index) {
    ParagraphRows& rows = rowsOf(paragraph);
    while (!rows.complete && rows.starts.size() <= index + 1)
        layOutNextRow(paragraph, rows);
    return rows;
}

RowRef RowLayout::rowAt(TextPosition position) {
    const std::size_t paragraph = document_.paragraphOf(position.offset);
    const std::size_t offset = position.offset - document_.paragraph(paragraph).start;
    const std::vector<std::uint32_t>& starts = rowsPast(paragraph, offset).starts;
    const auto after = std::upper_bound(starts.begin(), starts.end(), offset);
    std::size_t index = static_cast<std::size_t>(after - starts.begin()) - 1;
    if (position.atRowEnd && index > 0 && starts[index] == offset) --index;
    return {paragraph, index};
}

RowSpan RowLayout::span(RowRef row) {
    const Paragraph bounds = document_.paragraph(row.paragraph);
    const std::vector<std::uint32_t>& starts = rowsThrough(row.paragraph, row.index).starts;
    const std::size_t start = bounds.start + starts[row.index];
    if (row.index + 1 < starts.size()) return {start, bounds.start + starts[row.index + 1], true};
    return {start, bounds.contentEnd, false};
}

std::optional<RowRef> RowLayout::next(RowRef row) {
    if (row.index + 1 < rowsThrough(row.paragraph, row.index).starts.size()) {
        return RowRef{row.paragraph, row.index + 1};
    }
    if (row.paragraph + 1 < document_.paragraphCount()) return RowRef{row.paragraph + 1, 0};
    return std::nullopt;
}

std::optional<RowRef> RowLayout::previous(RowRef row) {
    if (row.index > 0) return RowRef{row.paragraph, row.index - 1};
    if (row.paragraph == 0) return std::nullopt;
    const std::size_t paragraph = row.paragraph - 1;
    ParagraphRows& rows = rowsOf(paragraph);
    while (!rows.complete)
        layOutNextRow(paragraph, rows);
    return RowRef{paragraph, rows.starts.size() - 1};
}

RowWalk RowLayout::walk(RowRef row, std::ptrdiff_t rows) {
    RowWalk walked{row, 0};
    const std::size_t wanted = static_cast<std::size_t>(rows < 0 ? -rows : rows);
    while (walked.steps < wanted) {
        const std::optional<RowRef> step = rows < 0 ? previous(walked.row) : next(walked.row);
        if (!step) break;
        walked.row = *step;
        ++walked.steps;
    }
    return walked;
}

std::size_t RowLayout::rowCount(std::size_t paragraph) {
    const auto found = paragraphs_.find(paragraph);
    if (found != paragraphs_.end() && found->second.complete) return found->second.starts.size();
    const Paragraph bounds = document_.paragraph(paragraph);
    std::size_t rows = 1;
    for (std::size_t start = bounds.start;; ++rows) {
        start = nextRowStart(document_, widths_, start, bounds.contentEnd, wrapWidth_);
        if (start >= bounds.contentEnd) return rows;
    }
}

CharacterSpan RowLayout::characterAt(std::size_t offset) {
    const std::size_t size = document_.size();
    if (offset >= size) return {size, size};
    const Paragraph bounds = document_.paragraph(document_.paragraphOf(offset));
    if (offset >= bounds.contentEnd) return {bounds.contentEnd, bounds.end};
    // Row starts are character starts, so the search need not go back further.
    std::size_t pos = span(rowAt({offset, false})).start;
    for (;;) {
        const std::size_t end = pos + document_.characterSizeAt(pos, bounds.contentEnd);
        if (end > offset) return {pos, end};
        pos = end;
    }
}

std::size_t RowLayout::boundaryAtOrAfter(std::size_t offset) {
    const CharacterSpan holding = characterAt(offset);
    return offset == holding.start ? offset : holding.end;
}

int RowLayout::characterWidth(std::size_t pos, std::size_t size) {
    const char first = document_.at(pos);
    return size == 2 ? widths_.width(first, document_.at(pos + 1)) : widths_.width(first);
}

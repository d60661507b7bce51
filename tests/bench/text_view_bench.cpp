// How the editor's text view copes with novels of 1 to 50 MB: opening (setText and the
// first screen), an auto-read step near the start and near the end, typing in the
// middle of the longest paragraph, and handing the whole text back.
#include "novel_writer.h"
#include "shell/text_view/text_view.h"

#include <benchmark/benchmark.h>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int kViewWidth = 331;
constexpr int kViewHeight = 208;
constexpr int kRowHeight = 12;
constexpr std::size_t kReadingBlock = 5;
constexpr std::size_t kReadingStep = 3;

int fontWidth(std::string_view character) {
    return character.size() == 2 ? 12 : 6;
}

struct Novel {
    const char* name;
    std::string text;
};

const std::vector<Novel>& novels() {
    static const std::vector<Novel> all = [] {
        std::vector<Novel> made;
        for (const NovelShape& shape : kNovelShapes)
            made.push_back({shape.name, writeNovel(shape)});
        return made;
    }();
    return all;
}

void prepare(TextView& view) {
    view.setFont(fontWidth, kRowHeight);
    view.setViewSize(kViewWidth, kViewHeight);
}

// Bytes the allocator hands out at the moment.
std::size_t heapInUse() {
#if defined(__GLIBC__)
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
#else
    return 0;
#endif
}

// What the auto-read tick asks of the editor: setSelectionStart(s + 3) with the
// remembered count, then setSelectionLength(5), then a repaint.
void autoReadStep(TextView& view) {
    const std::size_t start = view.selectionStart() + kReadingStep;
    view.select(start, start + kReadingBlock);
    view.select(start, start + kReadingBlock);
    benchmark::DoNotOptimize(view.visibleRows());
    benchmark::DoNotOptimize(view.caretPoint());
}

void open(benchmark::State& state, const Novel& novel) {
    TextView view;
    prepare(view);
    for (auto _ : state) {
        view.setText(novel.text);
        benchmark::DoNotOptimize(view.visibleRows());
    }
    view.setText({});
    const std::size_t before = heapInUse();
    TextView measured;
    prepare(measured);
    measured.setText(novel.text);
    measured.visibleRows();
    measured.select(novel.text.size() * 9 / 10, novel.text.size() * 9 / 10 + kReadingBlock);
    measured.visibleRows();
    state.counters["heap_per_text_byte"] =
        static_cast<double>(heapInUse() - before) / static_cast<double>(novel.text.size());
}

// Restoring a reading position: open, then jump to 90 % of the text and show it. Inside a
// long paragraph this wraps everything before the position once.
void openAndJump(benchmark::State& state, const Novel& novel) {
    TextView view;
    prepare(view);
    const std::size_t target = novel.text.size() * 9 / 10;
    for (auto _ : state) {
        view.setText(novel.text);
        view.select(target, target + kReadingBlock);
        benchmark::DoNotOptimize(view.visibleRows());
    }
}

void step(benchmark::State& state, const Novel& novel, int percent) {
    TextView view;
    prepare(view);
    view.setText(novel.text);
    const std::size_t from = novel.text.size() * static_cast<std::size_t>(percent) / 100;
    const std::size_t window = std::min<std::size_t>(3000, (novel.text.size() - from) / 2);
    view.select(from, from + kReadingBlock);
    for (auto _ : state) {
        if (view.selectionStart() > from + window) view.select(from, from + kReadingBlock);
        autoReadStep(view);
    }
}

void typeCharacter(TextView& view) {
    const std::string character = "字";
    view.typeByte(character[0]);
    view.typeByte(character[1]);
    benchmark::DoNotOptimize(view.visibleRows());
    benchmark::DoNotOptimize(view.caretPoint());
}

void type(benchmark::State& state, const Novel& novel) {
    TextView view;
    prepare(view);
    view.setText(novel.text);
    const std::size_t middle = middleOfLongestParagraph(novel.text);
    view.select(middle, middle);
    for (auto _ : state)
        typeCharacter(view);
}

// The first keystroke after opening also moves the gap from the end of the text.
void firstKeystroke(benchmark::State& state, const Novel& novel) {
    TextView view;
    prepare(view);
    const std::size_t middle = middleOfLongestParagraph(novel.text);
    for (auto _ : state) {
        state.PauseTiming();
        view.setText(novel.text);
        view.select(middle, middle);
        state.ResumeTiming();
        typeCharacter(view);
    }
}

void wholeText(benchmark::State& state, const Novel& novel) {
    TextView view;
    prepare(view);
    view.setText(novel.text);
    for (auto _ : state)
        benchmark::DoNotOptimize(view.text());
}

void registerAll() {
    for (const Novel& novel : novels()) {
        const std::string name = novel.name;
        benchmark::RegisterBenchmark(("open/" + name).c_str(), open, std::cref(novel))
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("open_and_jump_to_90%/" + name).c_str(), openAndJump,
                                     std::cref(novel))
            ->Unit(benchmark::kMillisecond);
        for (const int percent : {10, 90}) {
            benchmark::RegisterBenchmark(
                ("auto_read_step/" + name + "/" + std::to_string(percent) + "%").c_str(), step,
                std::cref(novel), percent)
                ->Unit(benchmark::kMicrosecond);
        }
        benchmark::RegisterBenchmark(("type_in_longest_paragraph/" + name).c_str(), type,
                                     std::cref(novel))
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("first_keystroke_after_open/" + name).c_str(), firstKeystroke,
                                     std::cref(novel))
            ->Unit(benchmark::kMicrosecond)
            ->Iterations(20);
        benchmark::RegisterBenchmark(("get_text/" + name).c_str(), wholeText, std::cref(novel))
            ->Unit(benchmark::kMillisecond);
    }
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    registerAll();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

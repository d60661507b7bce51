// Opening (text set to first paint), memory above the same program with an empty editor,
// the auto-read step at 10 % and 90 % of the text, typing a character in the middle of the
// longest paragraph, a full repaint, and reading the whole text back.
#include "editor_figures.h"

#include "timing.h"

#include <psapi.h>

#include <cstdio>
#include <memory>

namespace {

constexpr std::size_t kReadingStep = 3;
constexpr std::size_t kReadingBlock = 5;
constexpr BYTE kTypedCharacter[] = {0xD7, 0xD6}; // 字
constexpr std::size_t kOpenRuns = 5;
constexpr std::size_t kStepRuns = 61;
constexpr std::size_t kTypeRuns = 21;
constexpr std::size_t kRepaintRuns = 21;
constexpr std::size_t kReadRuns = 5;
constexpr double kMegabyteSize = 1024.0 * 1024.0;

struct Memory {
    double privateBytes = 0;
    double workingSet = 0;
};

// Private bytes are added up from the address space: Wine 8 reports PrivateUsage as 0.
double committedPrivateBytes() {
    double bytes = 0;
    MEMORY_BASIC_INFORMATION region{};
    for (const char* address = nullptr;
         VirtualQuery(address, &region, sizeof(region)) == sizeof(region);
         address = static_cast<const char*>(region.BaseAddress) + region.RegionSize) {
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) {
            bytes += static_cast<double>(region.RegionSize);
        }
    }
    return bytes;
}

Memory memoryInUse() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof(counters);
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters));
    return {committedPrivateBytes(), static_cast<double>(counters.WorkingSetSize)};
}

void print(const char* name, double value) {
    std::printf("%s %.3f\n", name, value);
    std::fflush(stdout);
}

void select(HWND editor, std::size_t anchor, std::size_t caret) {
    SendMessageA(editor, EM_SETSEL, anchor, static_cast<LPARAM>(caret));
    SendMessageA(editor, EM_SCROLLCARET, 0, 0);
}

// What the auto-read tick asks of the editor: the selection's start, then
// setSelectionStart(start + 3) with the block's length kept, setSelectionLength(5), and
// the painting that the tick's event handling does.
void autoReadStep(HWND editor) {
    DWORD start = 0;
    SendMessageA(editor, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    select(editor, start + kReadingStep, start + kReadingStep + kReadingBlock);
    select(editor, start + kReadingStep, start + kReadingStep + kReadingBlock);
    UpdateWindow(editor);
}

double stepAt(const BenchEditor& editor, const std::string& text, int percent, double budgetMs) {
    // Even offsets start characters: the novels hold two-byte characters and CR LF only.
    const std::size_t at = text.size() * static_cast<std::size_t>(percent) / 100 / 2 * 2;
    const std::size_t from = editor.position(text, at);
    select(editor.handle(), from, from + kReadingBlock);
    editor.settle();
    return medianTime([&] { autoReadStep(editor.handle()); }, kStepRuns, budgetMs);
}

double typing(const BenchEditor& editor, const std::string& text, double budgetMs) {
    const std::size_t at = editor.position(text, middleOfLongestParagraph(text));
    select(editor.handle(), at, at);
    editor.settle();
    return medianTime(
        [&] {
            // As an ANSI window receives a typed two-byte character: lead byte, trail byte.
            for (const BYTE byte : kTypedCharacter)
                SendMessageA(editor.handle(), WM_CHAR, byte, 1);
            UpdateWindow(editor.handle());
        },
        kTypeRuns, budgetMs);
}

double repaint(HWND editor, double budgetMs) {
    return medianTime(
        [&] {
            InvalidateRect(editor, nullptr, TRUE);
            UpdateWindow(editor);
        },
        kRepaintRuns, budgetMs);
}

double readBack(HWND editor, double budgetMs) {
    return medianTime(
        [&] {
            const auto size =
                static_cast<std::size_t>(SendMessageA(editor, WM_GETTEXTLENGTH, 0, 0)) + 1;
            const auto text = std::make_unique_for_overwrite<char[]>(size);
            SendMessageA(editor, WM_GETTEXT, size, reinterpret_cast<LPARAM>(text.get()));
        },
        kReadRuns, budgetMs);
}

void open(const BenchEditor& editor, const char* text) {
    SendMessageA(editor.handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    UpdateWindow(editor.handle());
}

// The font's glyphs are loaded by the first Chinese text drawn, whatever its length: a
// screenful is shown and taken away before the empty program is measured.
void warmUp(const BenchEditor& editor, const std::string& text) {
    open(editor, text.substr(0, std::min<std::size_t>(text.size(), kKilobyte)).c_str());
    open(editor, "");
    editor.settle();
}

} // namespace

int measureEditor(EditorKind kind, const NovelShape& shape, DWORD capMs) {
    const std::string text = writeNovel(shape);
    const BenchEditor editor(kind);
    warmUp(editor, text);
    std::vector<double> opens;
    Memory empty;
    Memory shown;
    {
        // Measured with the watchdog's thread already there: its stack is no editor's.
        const Watchdog dog(capMs, "open_ms >" + std::to_string(capMs) + "\n");
        empty = memoryInUse();
        const Stopwatch watch;
        open(editor, text.c_str());
        opens.push_back(watch.milliseconds());
        shown = memoryInUse();
    }
    const double budgetMs = capMs / 2.0;
    double spent = opens.front();
    while (opens.size() < kOpenRuns && spent < budgetMs) {
        const Stopwatch watch;
        open(editor, text.c_str());
        opens.push_back(watch.milliseconds());
        spent += opens.back();
    }
    print("open_ms", median(opens));
    print("private_mb", (shown.privateBytes - empty.privateBytes) / kMegabyteSize);
    print("working_set_mb", (shown.workingSet - empty.workingSet) / kMegabyteSize);
    print("file_mb", static_cast<double>(text.size()) / kMegabyteSize);
    const Watchdog dog(capMs * 4, "slow >" + std::to_string(capMs * 4) + "\n");
    print("step10_ms", stepAt(editor, text, 10, budgetMs));
    print("step90_ms", stepAt(editor, text, 90, budgetMs));
    const LRESULT lengthBefore = SendMessageA(editor.handle(), WM_GETTEXTLENGTH, 0, 0);
    print("type_ms", typing(editor, text, budgetMs));
    // Proof that the typing went in: the text grew by two bytes a keystroke.
    print("typed_bytes", static_cast<double>(SendMessageA(editor.handle(), WM_GETTEXTLENGTH, 0, 0) -
                                             lengthBefore));
    print("repaint_ms", repaint(editor.handle(), budgetMs));
    print("read_ms", readBack(editor.handle(), budgetMs));
    return 0;
}

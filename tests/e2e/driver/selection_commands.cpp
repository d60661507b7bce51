// Subcommands that put a selection into the editor as a click would, and watch the
// selection move while auto-reading runs. They also work while the main window is hidden,
// when its children no longer count as visible.
#include "command.h"
#include "output.h"
#include "program_windows.h"

#include <stdexcept>
#include <string>

namespace {

constexpr DWORD kPollIntervalMs = 1;

// The largest child that is meant to show: its own WS_VISIBLE bit, whatever its parent's.
HWND editorOf(HWND mainWindow) {
    HWND editor = nullptr;
    long largest = -1;
    for (HWND child = GetWindow(mainWindow, GW_CHILD); child;
         child = GetWindow(child, GW_HWNDNEXT)) {
        RECT rect{};
        if (!(GetWindowLongA(child, GWL_STYLE) & WS_VISIBLE) || !GetWindowRect(child, &rect))
            continue;
        const long area = long(rect.right - rect.left) * (rect.bottom - rect.top);
        if (area > largest) {
            largest = area;
            editor = child;
        }
    }
    if (!editor) throw std::runtime_error("the main window has no editor");
    return editor;
}

struct Selection {
    DWORD start = 0;
    DWORD end = 0;
    bool operator==(const Selection&) const = default;
};

Selection selectionOf(HWND editor) {
    Selection selection;
    sendOrThrow("the editor", editor, EM_GETSEL, reinterpret_cast<WPARAM>(&selection.start),
                reinterpret_cast<LPARAM>(&selection.end));
    return selection;
}

std::string selectionText(const Selection& selection) {
    return std::to_string(selection.start) + " " + std::to_string(selection.end);
}

double millisecondsSince(LARGE_INTEGER since) {
    LARGE_INTEGER now{};
    LARGE_INTEGER frequency{};
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(now.QuadPart - since.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

int selectRange(Arguments args) {
    HWND editor = editorOf(requireMainWindow());
    sendOrThrow("the editor", editor, EM_SETSEL, static_cast<WPARAM>(numberArgument(args[0])),
                static_cast<LPARAM>(numberArgument(args[1])));
    printLine(selectionText(selectionOf(editor)));
    return 0;
}

// "from <start> <end>", then "change <ms since the watch began> <start> <end>" for each new
// selection seen, until the given number of changes or the timeout, then "changes <n>".
// Running out of time is an answer too: a selection that stands still is what some checks
// want to see.
int watchSelection(Arguments args) {
    const long wanted = numberArgument(args[0]);
    const double timeoutMs = static_cast<double>(numberArgument(args[1]));
    HWND editor = editorOf(requireMainWindow());
    LARGE_INTEGER begin{};
    QueryPerformanceCounter(&begin);
    Selection last = selectionOf(editor);
    printField("from", selectionText(last));
    long changes = 0;
    while (changes < wanted && millisecondsSince(begin) < timeoutMs) {
        Sleep(kPollIntervalMs);
        const Selection now = selectionOf(editor);
        if (now == last) continue;
        const long at = static_cast<long>(millisecondsSince(begin) + 0.5);
        printField("change", std::to_string(at) + " " + selectionText(now));
        last = now;
        ++changes;
    }
    printField("changes", changes);
    return 0;
}

constexpr Command kCommands[] = {
    {"editor-select", "<start> <end>", 2, 2, selectRange},
    {"watch-selection", "<changes> <timeout ms>", 2, 2, watchSelection},
};

} // namespace

std::span<const Command> selectionCommands() {
    return kCommands;
}

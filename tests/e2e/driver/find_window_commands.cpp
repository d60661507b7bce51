// Subcommands about the find window "查找文本": how many there are, and a search as the user
// makes it, by filling the search box and pressing "查找".
#include "command.h"
#include "output.h"
#include "program_windows.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr const char* kFindWindowCaption = "查找文本";

std::vector<HWND> findWindows(DWORD processId) {
    struct Search {
        DWORD processId;
        std::vector<HWND> found;
    } search{processId, {}};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            if (processOf(window) == s->processId && IsWindowVisible(window) &&
                windowText(window) == kFindWindowCaption) {
                s->found.push_back(window);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND requireFindWindow() {
    const auto windows = findWindows(processOf(requireMainWindow()));
    if (windows.size() != 1)
        throw std::runtime_error(std::to_string(windows.size()) + " find windows are shown");
    return windows.front();
}

HWND childOfClass(HWND window, const char* className) {
    for (HWND c = GetWindow(window, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        if (lstrcmpiA(windowClass(c).c_str(), className) == 0) return c;
    }
    throw std::runtime_error(std::string("the find window has no ") + className);
}

// "count <n>", then for each window "owner main|other|none" and "active yes|no".
int listFindWindows(Arguments) {
    HWND mainWindow = requireMainWindow();
    const auto windows = findWindows(processOf(mainWindow));
    printField("count", static_cast<long>(windows.size()));
    for (HWND window : windows) {
        HWND owner = GetWindow(window, GW_OWNER);
        printField("owner", owner == mainWindow ? "main" : owner ? "other" : "none");
        printField("active", GetForegroundWindow() == window ? "yes" : "no");
    }
    return 0;
}

// The box's text is read back with WM_GETTEXT: GetWindowTextA does not ask a control of
// another process for it.
int typeSearchText(Arguments args) {
    HWND box = childOfClass(requireFindWindow(), "Edit");
    sendOrThrow("the find window", box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(args[0]));
    char text[256] = {};
    sendOrThrow("the find window", box, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    printField("search", text);
    return 0;
}

// Sent, not posted: when it returns, the program has handled the click.
int clickFind(Arguments) {
    HWND button = childOfClass(requireFindWindow(), "Button");
    sendOrThrow("the find window", button, BM_CLICK, 0, 0);
    printField("clicked", windowText(button));
    return 0;
}

constexpr Command kCommands[] = {
    {"find-windows", "", 0, 0, listFindWindows},
    {"find-type", "<search text>", 1, 1, typeSearchText},
    {"find-click", "", 0, 0, clickFind},
};

} // namespace

std::span<const Command> findWindowCommands() {
    return kCommands;
}

// Subcommands that change the main window as the user would (its size, maximised or not,
// brought to the front), and the colour the system draws selections in, for screenshots.
#include "command.h"
#include "output.h"
#include "program_windows.h"

#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <string>

namespace {

// SetWindowPos on another process's window waits until that window has handled the change,
// so the program's own answer to the new size is done when this returns.
int resizeWindow(Arguments args) {
    HWND window = requireMainWindow();
    const int width = static_cast<int>(numberArgument(args[0]));
    const int height = static_cast<int>(numberArgument(args[1]));
    if (!SetWindowPos(window, nullptr, 0, 0, width, height,
                      SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE)) {
        throw std::runtime_error("the window refused the new size");
    }
    RECT r{};
    GetWindowRect(window, &r);
    printLine(std::to_string(r.right - r.left) + " " + std::to_string(r.bottom - r.top));
    return 0;
}

WPARAM systemCommand(const char* name) {
    if (std::strcmp(name, "maximise") == 0) return SC_MAXIMIZE;
    if (std::strcmp(name, "restore") == 0) return SC_RESTORE;
    throw std::invalid_argument(std::string("unknown window command ") + name);
}

// What the caption bar's buttons send; posted, as a click on them would be.
int windowCommand(Arguments args) {
    PostMessageA(requireMainWindow(), WM_SYSCOMMAND, systemCommand(args[0]), 0);
    printField("posted", args[0]);
    return 0;
}

int activate(Arguments) {
    activateWindow(requireMainWindow());
    printLine("foreground");
    return 0;
}

// "#RRGGBB", as ImageMagick names colours.
int highlightColour(Arguments) {
    const COLORREF colour = GetSysColor(COLOR_HIGHLIGHT);
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", GetRValue(colour), GetGValue(colour),
                  GetBValue(colour));
    printLine(text);
    return 0;
}

constexpr Command kCommands[] = {
    {"resize-window", "<width> <height>", 2, 2, resizeWindow},
    {"window-command", "<maximise|restore>", 1, 1, windowCommand},
    {"activate", "", 0, 0, activate},
    {"highlight-colour", "", 0, 0, highlightColour},
};

} // namespace

std::span<const Command> windowChangeCommands() {
    return kCommands;
}

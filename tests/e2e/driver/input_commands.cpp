// Subcommands that press keys as a user would, through the system's input queue.
#include "command.h"
#include "output.h"
#include "program_windows.h"

#include <cstring>
#include <stdexcept>
#include <vector>

namespace {

WORD modifierKey(const char* name) {
    if (std::strcmp(name, "ctrl") == 0) return VK_CONTROL;
    if (std::strcmp(name, "alt") == 0) return VK_MENU;
    if (std::strcmp(name, "shift") == 0) return VK_SHIFT;
    throw std::invalid_argument(std::string("unknown modifier ") + name);
}

INPUT keyInput(WORD key, bool release) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = release ? KEYEVENTF_KEYUP : 0;
    return input;
}

// Keys go to the active window, so a shown main window is brought forward first; a hidden
// one is left as it is (the program's system-wide hotkeys still reach it).
void activate(HWND window) {
    if (IsWindowVisible(window)) activateWindow(window);
}

void press(WORD key, const std::vector<WORD>& modifiers) {
    activate(requireMainWindow());
    std::vector<INPUT> inputs;
    for (WORD modifier : modifiers)
        inputs.push_back(keyInput(modifier, false));
    inputs.push_back(keyInput(key, false));
    inputs.push_back(keyInput(key, true));
    for (auto m = modifiers.rbegin(); m != modifiers.rend(); ++m)
        inputs.push_back(keyInput(*m, true));
    if (SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) !=
        inputs.size()) {
        throw std::runtime_error("the system refused the key input");
    }
    printLine("sent");
}

int key(Arguments args) {
    std::vector<WORD> modifiers;
    for (char* name : args.subspan(1))
        modifiers.push_back(modifierKey(name));
    press(static_cast<WORD>(numberArgument(args[0])), modifiers);
    return 0;
}

int pressEscape(Arguments) {
    press(VK_ESCAPE, {});
    return 0;
}

constexpr Command kCommands[] = {
    {"key", "<virtual key> [ctrl|alt|shift]...", 1, 4, key},
    {"press-escape", "", 0, 0, pressEscape},
};

} // namespace

std::span<const Command> inputCommands() {
    return kCommands;
}

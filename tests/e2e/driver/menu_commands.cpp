// Subcommands about the menu bar: print the whole tree, choose an item.
#include "command.h"
#include "menu_bar.h"
#include "output.h"
#include "program_windows.h"

#include <stdexcept>
#include <string>

namespace {

// One line per item: level, check state, enabled state, caption (a tab shown as \t);
// a separator is its level followed by "separator".
int menu(Arguments) {
    for (const MenuBarItem& item : readMenuBar(requireMainWindow())) {
        std::string line = std::to_string(item.level) + " ";
        if (item.separator) {
            line += "separator";
        } else {
            line += item.checked ? "checked " : "unchecked ";
            line += item.enabled ? "enabled " : "disabled ";
            line += escapedText(item.caption);
        }
        printLine(line);
    }
    return 0;
}

std::string captionBeforeShortcut(const std::string& caption) {
    return caption.substr(0, caption.find('\t'));
}

std::vector<std::string> pathParts(const std::string& path) {
    std::vector<std::string> parts;
    std::size_t begin = 0;
    for (std::size_t end; (end = path.find('/', begin)) != std::string::npos; begin = end + 1) {
        parts.push_back(path.substr(begin, end - begin));
    }
    parts.push_back(path.substr(begin));
    return parts;
}

// Walks the depth-first list: each part of the path is looked for among the items one level
// deeper than the previous match, up to the end of that match's sub-tree.
const MenuBarItem& findItem(const std::vector<MenuBarItem>& items, const std::string& path) {
    const auto parts = pathParts(path);
    std::size_t i = 0;
    for (int level = 0; level < static_cast<int>(parts.size()); ++level) {
        while (i < items.size() && items[i].level >= level &&
               !(items[i].level == level && !items[i].separator &&
                 captionBeforeShortcut(items[i].caption) == parts[level])) {
            ++i;
        }
        if (i == items.size() || items[i].level < level)
            throw std::runtime_error("no menu item " + path);
        if (level + 1 < static_cast<int>(parts.size())) ++i;
    }
    return items[i];
}

// Posted, not sent: an item that opens a modal box would otherwise block the driver. Given a
// count, the choices queue up at once, as from a user who keeps clicking.
int chooseMenu(Arguments args) {
    HWND window = requireMainWindow();
    const auto items = readMenuBar(window);
    const MenuBarItem& item = findItem(items, args[0]);
    const long times = args.size() > 1 ? numberArgument(args[1]) : 1;
    for (long i = 0; i < times; ++i)
        PostMessageA(window, WM_COMMAND, MAKEWPARAM(item.id, 0), 0);
    printField("posted", static_cast<long>(item.id));
    return 0;
}

constexpr Command kCommands[] = {
    {"menu", "", 0, 0, menu},
    {"choose-menu", "<caption/caption...> [times]", 1, 2, chooseMenu},
};

} // namespace

std::span<const Command> menuCommands() {
    return kCommands;
}

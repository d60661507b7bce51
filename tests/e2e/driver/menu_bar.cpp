// Parses the probe's menu-bar reply.
#include "menu_bar.h"

#include "probe_client.h"

#include <cstdlib>

namespace {

// Splits off the first fieldCount - 1 fields; the last one keeps any further separators.
std::vector<std::string> fields(const std::string& line, int fieldCount) {
    std::vector<std::string> parts;
    std::size_t begin = 0;
    while (static_cast<int>(parts.size()) < fieldCount - 1) {
        const std::size_t end = line.find(kProbeFieldSeparator, begin);
        if (end == std::string::npos) break;
        parts.push_back(line.substr(begin, end - begin));
        begin = end + 1;
    }
    parts.push_back(line.substr(begin));
    return parts;
}

MenuBarItem parseItem(const std::string& line) {
    const auto parts = fields(line, kMenuReplyFields);
    MenuBarItem item;
    item.level = std::atoi(parts[0].c_str());
    item.separator = parts.size() < kMenuReplyFields;
    if (item.separator) return item;
    item.checked = parts[1] == "checked";
    item.enabled = parts[2] == "enabled";
    item.id = static_cast<UINT>(std::strtoul(parts[3].c_str(), nullptr, 10));
    item.caption = parts[4];
    return item;
}

} // namespace

std::vector<MenuBarItem> readMenuBar(HWND window) {
    const std::string reply = askProbe(window, ProbeRequest::menuBar);
    std::vector<MenuBarItem> items;
    std::size_t begin = 0;
    while (begin < reply.size()) {
        std::size_t end = reply.find('\n', begin);
        if (end == std::string::npos) end = reply.size();
        items.push_back(parseItem(reply.substr(begin, end - begin)));
        begin = end + 1;
    }
    return items;
}

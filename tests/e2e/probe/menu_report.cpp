// Walks a menu bar inside the program: under Wine another process cannot read menus at all.
#include "menu_report.h"

#include "probe_protocol.h"

namespace {

std::string itemLine(int level, const MENUITEMINFOA& info, const char* caption) {
    const std::string separator(1, kProbeFieldSeparator);
    std::string line = std::to_string(level) + separator;
    if (info.fType & MFT_SEPARATOR) return line + "separator";
    line += (info.fState & MFS_CHECKED) ? "checked" : "unchecked";
    line += separator;
    line += (info.fState & (MFS_DISABLED | MFS_GRAYED)) ? "disabled" : "enabled";
    line += separator + std::to_string(info.wID) + separator + caption;
    return line;
}

void appendMenu(HMENU menu, int level, std::string& report) {
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        char caption[512] = {};
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
        info.dwTypeData = caption;
        info.cch = sizeof caption - 1;
        if (!GetMenuItemInfoA(menu, i, TRUE, &info)) continue;
        report += itemLine(level, info, caption) + "\n";
        if (info.hSubMenu) appendMenu(info.hSubMenu, level + 1, report);
    }
}

} // namespace

std::string menuBarReport(HWND window) {
    std::string report;
    if (HMENU bar = GetMenu(window)) appendMenu(bar, 0, report);
    return report;
}

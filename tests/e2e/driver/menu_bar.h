// The program's menu bar, read through the probe.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct MenuBarItem {
    int level = 0;
    bool separator = false;
    bool checked = false;
    bool enabled = true;
    UINT id = 0;
    std::string caption; // GBK, with the tab and shortcut name when it has one
};

std::vector<MenuBarItem> readMenuBar(HWND window);

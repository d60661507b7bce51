// The program's GDI and USER objects, counted from inside its process.
#pragma once

#include <string>

// "key value" lines: gdi-objects (without the stock objects every process has), gdi-types
// (type=count pairs, for tracing a leak), windows, menus, icons (icons and cursors),
// accelerator-tables and user-objects, their sum.
std::string guiObjectsReport();

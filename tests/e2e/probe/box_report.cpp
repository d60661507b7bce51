// A message box's icon control holds one of the shared system icons; shared icons have one
// handle per process, so only a look from inside the program can tell which one it is.
#include "box_report.h"

namespace {

struct SystemIcon {
    WORD resource; // the IDI_ number
    const char* name;
};

constexpr SystemIcon kSystemIcons[] = {
    {32513, "error"}, {32514, "question"}, {32515, "exclamation"}, {32516, "information"}};

HICON shownIcon(HWND box) {
    for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        char name[16] = {};
        GetClassNameA(c, name, sizeof name);
        if (lstrcmpiA(name, "Static") != 0 ||
            (GetWindowLongA(c, GWL_STYLE) & SS_TYPEMASK) != SS_ICON)
            continue;
        if (auto icon = reinterpret_cast<HICON>(SendMessageA(c, STM_GETICON, 0, 0))) return icon;
    }
    return nullptr;
}

} // namespace

std::string boxIconReport(HWND box) {
    HICON icon = shownIcon(box);
    if (!icon) return "none\n";
    for (const SystemIcon& system : kSystemIcons) {
        if (LoadIconA(nullptr, MAKEINTRESOURCEA(system.resource)) == icon)
            return std::string(system.name) + "\n";
    }
    return "other\n";
}

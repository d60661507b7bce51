// Fills in the platform's font dialog as a user would: a face, a style, a size and a colour
// picked from its lists, then OK. Each pick is followed by the selection-changed
// notification that a click in the list would send, so the dialog updates what it returns.
#include "command.h"
#include "output.h"
#include "program_windows.h"

#include <cstring>
#include <stdexcept>
#include <string>

namespace {

constexpr int kFaceList = 0x470;
constexpr int kStyleList = 0x471;
constexpr int kSizeList = 0x472;
constexpr int kColourList = 0x473;
constexpr DWORD kDialogTimeoutMs = 5000;

HWND waitForFontDialog() {
    const DWORD processId = processOf(requireMainWindow());
    const DWORD deadline = GetTickCount() + kDialogTimeoutMs;
    do {
        for (HWND dialog : visibleMessageBoxes(processId)) {
            if (GetDlgItem(dialog, kFaceList)) return dialog;
        }
        Sleep(10);
    } while (static_cast<long>(deadline - GetTickCount()) > 0);
    throw std::runtime_error("the program shows no font dialog");
}

void pick(HWND dialog, int list, LRESULT index, const std::string& what) {
    if (index < 0) throw std::runtime_error("the font dialog offers no " + what);
    HWND combo = GetDlgItem(dialog, list);
    sendOrThrow("the font dialog", combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    sendOrThrow("the font dialog", dialog, WM_COMMAND, MAKEWPARAM(list, CBN_SELCHANGE),
                reinterpret_cast<LPARAM>(combo));
}

void pickText(HWND dialog, int list, const char* text) {
    const LRESULT index =
        sendOrThrow("the font dialog", GetDlgItem(dialog, list), CB_FINDSTRINGEXACT,
                    static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text));
    pick(dialog, list, index, text);
}

// The lists of styles and colours carry their meaning in each entry's data: the weight in
// the low word and italic in the high word, or the colour itself.
void pickData(HWND dialog, int list, LRESULT data, const std::string& what) {
    HWND combo = GetDlgItem(dialog, list);
    const LRESULT count = sendOrThrow("the font dialog", combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        if (sendOrThrow("the font dialog", combo, CB_GETITEMDATA, static_cast<WPARAM>(i), 0) ==
            data) {
            pick(dialog, list, i, what);
            return;
        }
    }
    pick(dialog, list, -1, what);
}

LRESULT styleData(const char* style) {
    if (std::strcmp(style, "bold") == 0) return MAKELONG(FW_BOLD, 0);
    if (std::strcmp(style, "regular") == 0) return MAKELONG(FW_NORMAL, 0);
    throw std::invalid_argument(std::string("unknown style ") + style);
}

std::string listText(HWND dialog, int list) {
    char text[256] = {};
    GetDlgItemTextA(dialog, list, text, sizeof text);
    return text;
}

// Prints what the dialog shows just before OK is pressed.
int chooseFont(Arguments args) {
    const LRESULT style = styleData(args[2]);
    const LRESULT colour = args.size() > 3 ? numberArgument(args[3]) : -1;
    HWND dialog = waitForFontDialog();
    pickText(dialog, kFaceList, args[0]);
    pickData(dialog, kStyleList, style, std::string("style ") + args[2]);
    pickText(dialog, kSizeList, args[1]);
    if (colour >= 0) pickData(dialog, kColourList, colour, std::string("colour ") + args[3]);
    printField("face", listText(dialog, kFaceList));
    printField("style", listText(dialog, kStyleList));
    printField("size", listText(dialog, kSizeList));
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
    return 0;
}

constexpr Command kCommands[] = {
    {"font-dialog", "<face> <points> <bold|regular> [colour 0x00BBGGRR]", 3, 4, chooseFont},
};

} // namespace

std::span<const Command> fontDialogCommands() {
    return kCommands;
}

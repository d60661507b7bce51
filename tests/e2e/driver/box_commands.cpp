// Subcommands about the program's message boxes: read them, answer one.
#include "command.h"
#include "output.h"
#include "probe_client.h"
#include "program_windows.h"

#include <cstring>
#include <stdexcept>
#include <string>

namespace {

struct ButtonName {
    const char* name;
    int id;
};

constexpr ButtonName kButtons[] = {{"ok", IDOK},       {"cancel", IDCANCEL}, {"abort", IDABORT},
                                   {"retry", IDRETRY}, {"ignore", IDIGNORE}, {"yes", IDYES},
                                   {"no", IDNO}};

constexpr int kMessageBoxTextId = 0xFFFF;

bool isButton(HWND control) {
    return windowClass(control) == "Button" && IsWindowVisible(control);
}

std::string iconName(HWND box) {
    std::string name = askProbe(box, ProbeRequest::boxIcon, box);
    if (!name.empty() && name.back() == '\n') name.pop_back();
    return name;
}

HWND programWindowOrThrow() {
    if (HWND window = findMainWindow()) return window;
    throw std::runtime_error("the program is not running");
}

const char* yesNo(bool value) {
    return value ? "yes" : "no";
}

// "box <n>", "title", "text", "icon <kind>", "owner yes|no", "topmost yes|no" (a system-modal
// box is put on top of every window), then "button <id> <caption>" per button.
void printBox(HWND box, int number) {
    printField("box", number);
    printField("title", windowText(box));
    char text[8192] = {};
    GetDlgItemTextA(box, kMessageBoxTextId, text, sizeof text);
    printField("text", escapedText(text));
    printField("icon", iconName(box));
    printField("owner", yesNo(GetWindow(box, GW_OWNER) != nullptr));
    printField("topmost", yesNo(GetWindowLongA(box, GWL_EXSTYLE) & WS_EX_TOPMOST));
    for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        if (isButton(c))
            printField("button", std::to_string(GetDlgCtrlID(c)) + " " + windowText(c));
    }
}

int messageBoxes(Arguments) {
    int number = 0;
    for (HWND box : visibleMessageBoxes(processOf(programWindowOrThrow())))
        printBox(box, ++number);
    return 0;
}

int buttonId(const char* name) {
    for (const ButtonName& button : kButtons) {
        if (std::strcmp(button.name, name) == 0) return button.id;
    }
    return static_cast<int>(numberArgument(name));
}

// Clicks a button of the one visible box, posted so that the driver never waits on the box.
int answerBox(Arguments args) {
    const auto boxes = visibleMessageBoxes(processOf(programWindowOrThrow()));
    if (boxes.size() != 1)
        throw std::runtime_error(std::to_string(boxes.size()) + " message boxes are shown");
    const int id = buttonId(args[0]);
    HWND button = GetDlgItem(boxes.front(), id);
    if (!button || !isButton(button))
        throw std::runtime_error(std::string("the box has no button ") + args[0]);
    PostMessageA(boxes.front(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
    printField("pressed", windowText(button));
    return 0;
}

constexpr Command kCommands[] = {
    {"message-boxes", "", 0, 0, messageBoxes},
    {"answer-box", "<ok|cancel|yes|no|abort|retry|ignore|id>", 1, 1, answerBox},
};

} // namespace

std::span<const Command> boxCommands() {
    return kCommands;
}

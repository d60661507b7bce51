// Subcommands about the program's open and save dialogs: wait for one and read it, type a
// name into it and accept it, or cancel it, as a user would.
#include "command.h"
#include "output.h"
#include "program_windows.h"

#include <cstring>
#include <stdexcept>
#include <string>

namespace {

constexpr int kFileNameBox = 0x47c; // the dialog's "file name" combo box
constexpr int kMessageBoxTextId = 0xFFFF;
constexpr UINT kMessageTimeoutMs = 5000;
// The first file dialog of a run lists the shell's folders first; it may take a few seconds.
constexpr DWORD kDialogTimeoutMs = 15000;
constexpr DWORD kPollMs = 20;

bool timeLeft(DWORD deadline) {
    return static_cast<long>(deadline - GetTickCount()) > 0;
}

DWORD programProcess() {
    return processOf(requireMainWindow());
}

HWND shownFileDialog(DWORD process) {
    for (HWND box : visibleMessageBoxes(process)) {
        if (GetDlgItem(box, kFileNameBox)) return box;
    }
    return nullptr;
}

HWND waitForFileDialog(DWORD process, DWORD timeoutMs) {
    const DWORD deadline = GetTickCount() + timeoutMs;
    for (;;) {
        if (HWND dialog = shownFileDialog(process)) return dialog;
        if (!timeLeft(deadline)) throw std::runtime_error("no file dialog shows");
        Sleep(kPollMs);
    }
}

// A box that the dialog itself shows over it, such as the question whether to replace a file.
HWND promptOver(DWORD process, HWND dialog) {
    for (HWND box : visibleMessageBoxes(process)) {
        if (box != dialog && !GetDlgItem(box, kFileNameBox)) return box;
    }
    return nullptr;
}

std::string controlText(HWND control) {
    char text[4096] = {};
    DWORD_PTR length = 0;
    SendMessageTimeoutA(control, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                        SMTO_ABORTIFHUNG, kMessageTimeoutMs, &length);
    return std::string(text, length);
}

void pressButton(HWND window, int id) {
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(window, id)));
}

// "title", "file-name" (the name the box is pre-filled with), "accept-button" (its caption).
int waitFileDialog(Arguments args) {
    HWND dialog = waitForFileDialog(programProcess(), static_cast<DWORD>(numberArgument(args[0])));
    printField("title", windowText(dialog));
    printField("file-name", controlText(GetDlgItem(dialog, kFileNameBox)));
    printField("accept-button", windowText(GetDlgItem(dialog, IDOK)));
    return 0;
}

int answerId(const char* answer) {
    if (std::strcmp(answer, "yes") == 0) return IDYES;
    if (std::strcmp(answer, "no") == 0) return IDNO;
    throw std::invalid_argument(std::string("not an answer: ") + answer);
}

bool isShown(HWND window) {
    return IsWindow(window) && IsWindowVisible(window);
}

void waitGone(HWND window) {
    const DWORD deadline = GetTickCount() + kDialogTimeoutMs;
    while (isShown(window)) {
        if (!timeLeft(deadline)) throw std::runtime_error("a box stays open after its answer");
        Sleep(kPollMs);
    }
}

// Waits until the dialog is gone or shows a prompt over itself; the prompt when it does.
HWND settle(DWORD process, HWND dialog) {
    const DWORD deadline = GetTickCount() + kDialogTimeoutMs;
    while (isShown(dialog)) {
        if (HWND prompt = promptOver(process, dialog)) return prompt;
        if (!timeLeft(deadline))
            throw std::runtime_error("the file dialog neither closes nor asks");
        Sleep(kPollMs);
    }
    return nullptr;
}

// Types the path into the name box and presses the accept button. A prompt that the dialog
// then shows is printed as "prompt <text>" and, when an answer is given, answered once.
// Last line: "accepted" when the dialog has closed, else "still-open" (exit code 1).
int fillFileDialog(Arguments args) {
    const DWORD process = programProcess();
    HWND dialog = waitForFileDialog(process, kDialogTimeoutMs);
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(GetDlgItem(dialog, kFileNameBox), WM_SETTEXT, 0,
                        reinterpret_cast<LPARAM>(args[0]), SMTO_ABORTIFHUNG, kMessageTimeoutMs,
                        &ignored);
    pressButton(dialog, IDOK);
    HWND prompt = settle(process, dialog);
    if (prompt) {
        char text[4096] = {};
        GetDlgItemTextA(prompt, kMessageBoxTextId, text, sizeof text);
        printField("prompt", escapedText(text));
        if (args.size() > 1) {
            pressButton(prompt, answerId(args[1]));
            waitGone(prompt);
            prompt = settle(process, dialog);
        }
    }
    const bool closed = !prompt && !isShown(dialog);
    printLine(closed ? "accepted" : "still-open");
    return closed ? 0 : 1;
}

int cancelFileDialog(Arguments) {
    const DWORD process = programProcess();
    HWND dialog = waitForFileDialog(process, kDialogTimeoutMs);
    pressButton(dialog, IDCANCEL);
    if (settle(process, dialog)) throw std::runtime_error("the file dialog asks something");
    printLine("cancelled");
    return 0;
}

constexpr Command kCommands[] = {
    {"wait-file-dialog", "<timeout ms>", 1, 1, waitFileDialog},
    {"fill-file-dialog", "<path (Windows)> [yes|no: the answer to a prompt]", 1, 2, fillFileDialog},
    {"cancel-file-dialog", "", 0, 0, cancelFileDialog},
};

} // namespace

std::span<const Command> fileDialogCommands() {
    return kCommands;
}

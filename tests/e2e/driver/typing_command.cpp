// Types text into the editor as the keyboard's translated keys reach it: one WM_CHAR per
// character, sent, so that every character is in the editor when the subcommand ends.
#include "command.h"
#include "output.h"
#include "program_windows.h"

#include <stdexcept>
#include <string>

namespace {

constexpr UINT kMessageTimeoutMs = 5000;

void typeCharacter(HWND editor, char character) {
    DWORD_PTR ignored = 0;
    if (!SendMessageTimeoutA(editor, WM_CHAR, static_cast<unsigned char>(character), 1,
                             SMTO_ABORTIFHUNG, kMessageTimeoutMs, &ignored)) {
        throw std::runtime_error("the editor does not take a typed character");
    }
}

bool isPrintableAscii(const char* text) {
    for (; *text; ++text) {
        if (*text < 0x20 || *text > 0x7E) return false;
    }
    return true;
}

// Enter between the lines. ASCII only: a typed Chinese character arrives in other ways.
int typeLines(Arguments args) {
    std::string keys;
    for (std::size_t line = 0; line < args.size(); ++line) {
        if (!isPrintableAscii(args[line])) throw std::invalid_argument("not printable ASCII");
        if (line > 0) keys += '\r';
        keys += args[line];
    }
    HWND editor = requireEditor(requireMainWindow());
    for (char key : keys)
        typeCharacter(editor, key);
    printField("typed", static_cast<long>(keys.size()));
    return 0;
}

constexpr Command kCommands[] = {
    {"type-lines", "<line>... (printable ASCII; Enter between them)", 1, 16, typeLines},
};

} // namespace

std::span<const Command> typingCommands() {
    return kCommands;
}

// Subcommands about Chinese text in the editor, byte for byte: setting it, reading it back
// as hexadecimal bytes, typing two-byte characters the ways a Chinese desktop delivers
// them, and asking where a byte offset is drawn. Text arguments arrive in the system's
// code page (GBK) and may hold the escapes \r, \n and \t, as the driver prints them, and
// a doubled backslash for one backslash.
#include "command.h"
#include "output.h"
#include "program_windows.h"

#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr UINT kMessageTimeoutMs = 10000;
constexpr UINT kGbkCodePage = 936;

HWND editor() {
    return requireEditor(requireMainWindow());
}

// The byte after a lead byte is that character's second byte, also when it has the code of
// "\\" (淺 is 9C 5C): only a backslash that starts a character begins an escape.
std::string unescaped(const char* text) {
    std::string bytes;
    for (const char* c = text; *c; ++c) {
        if (static_cast<unsigned char>(*c) >= 0x81 && c[1] != '\0') {
            bytes += *c;
            bytes += *++c;
            continue;
        }
        if (*c != '\\') {
            bytes += *c;
            continue;
        }
        switch (*++c) {
        case 'r':
            bytes += '\r';
            break;
        case 'n':
            bytes += '\n';
            break;
        case 't':
            bytes += '\t';
            break;
        case '\\':
            bytes += '\\';
            break;
        default:
            throw std::invalid_argument("unknown escape");
        }
    }
    return bytes;
}

std::string editorBytes(HWND window) {
    std::string text(sendOrThrow("the editor", window, WM_GETTEXTLENGTH, 0, 0) + 1, '\0');
    text.resize(sendOrThrow("the editor", window, WM_GETTEXT, text.size(),
                            reinterpret_cast<LPARAM>(text.data())));
    return text;
}

int setText(Arguments args) {
    HWND window = editor();
    const std::string bytes = unescaped(args[0]);
    sendOrThrow("the editor", window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(bytes.c_str()));
    printField("length", sendOrThrow("the editor", window, WM_GETTEXTLENGTH, 0, 0));
    return 0;
}

// The text as lower-case hexadecimal, two digits a byte, as `od` prints it.
int textHex(Arguments) {
    std::string hex;
    for (const char byte : editorBytes(editor())) {
        char digits[3];
        std::snprintf(digits, sizeof digits, "%02x", static_cast<unsigned char>(byte));
        hex += digits;
    }
    printLine(hex);
    return 0;
}

// One WM_CHAR per byte, as an ANSI window receives a typed two-byte character. Wine
// holds a lead byte in the sending thread and reports it as not sent; it goes to the
// window together with its trail byte.
int characterBytes(Arguments args) {
    HWND window = editor();
    for (char* const byte : args) {
        DWORD_PTR ignored = 0;
        SendMessageTimeoutA(window, WM_CHAR, static_cast<WPARAM>(numberArgument(byte) & 0xFF), 1,
                            SMTO_ABORTIFHUNG, kMessageTimeoutMs, &ignored);
    }
    // Answered only after every byte before it was handled.
    sendOrThrow("the editor", window, WM_GETTEXTLENGTH, 0, 0);
    printLine("sent");
    return 0;
}

// One WM_IME_CHAR: a two-byte character whole, its lead byte in the high byte.
int imeCharacter(Arguments args) {
    sendOrThrow("the editor", editor(), WM_IME_CHAR, static_cast<WPARAM>(numberArgument(args[0])),
                1);
    printLine("sent");
    return 0;
}

int lines(Arguments) {
    HWND window = editor();
    printField("count", sendOrThrow("the editor", window, EM_GETLINECOUNT, 0, 0));
    printField("first-visible", sendOrThrow("the editor", window, EM_GETFIRSTVISIBLELINE, 0, 0));
    return 0;
}

// Where the character at a byte offset is drawn: its top-left corner on the screen.
int point(Arguments args) {
    HWND window = editor();
    const LRESULT packed = sendOrThrow("the editor", window, EM_POSFROMCHAR,
                                       static_cast<WPARAM>(numberArgument(args[0])), 0);
    if (packed == -1) throw std::runtime_error("the offset is not on screen");
    POINT at{static_cast<short>(LOWORD(packed)), static_cast<short>(HIWORD(packed))};
    ClientToScreen(window, &at);
    printLine(std::to_string(at.x) + " " + std::to_string(at.y));
    return 0;
}

// Each character as a key of its own through the system's input queue (KEYEVENTF_UNICODE),
// as an input method hands a finished character to the focused window.
int typeText(Arguments args) {
    const std::string bytes = unescaped(args[0]);
    const int size = static_cast<int>(bytes.size());
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    wide.resize(static_cast<std::size_t>(
        MultiByteToWideChar(kGbkCodePage, 0, bytes.data(), size, wide.data(), size)));
    std::vector<INPUT> inputs;
    for (const wchar_t unit : wide) {
        for (const DWORD release : {DWORD{0}, DWORD{KEYEVENTF_KEYUP}}) {
            INPUT input{};
            input.type = INPUT_KEYBOARD;
            input.ki.wScan = unit;
            input.ki.dwFlags = KEYEVENTF_UNICODE | release;
            inputs.push_back(input);
        }
    }
    activateWindow(requireMainWindow());
    if (SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) !=
        inputs.size()) {
        throw std::runtime_error("the system refused the key input");
    }
    printField("typed", static_cast<long>(wide.size()));
    return 0;
}

constexpr Command kCommands[] = {
    {"editor-set-text", "<text with escapes>", 1, 1, setText},
    {"editor-hex", "", 0, 0, textHex},
    {"editor-char-bytes", "<byte>...", 1, 8, characterBytes},
    {"editor-ime-char", "<lead * 256 + trail>", 1, 1, imeCharacter},
    {"editor-lines", "", 0, 0, lines},
    {"editor-point", "<byte offset>", 1, 1, point},
    {"type-text", "<text with escapes>", 1, 1, typeText},
};

} // namespace

std::span<const Command> gbkTextCommands() {
    return kCommands;
}

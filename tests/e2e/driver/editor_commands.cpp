// Subcommands about the editor: its place, styles, text, selection, font and colours.
#include "command.h"
#include "flag_names.h"
#include "output.h"
#include "probe_client.h"
#include "program_windows.h"

#include <string>

namespace {

constexpr UINT kMessageTimeoutMs = 5000;

constexpr FlagName kEditorStyles[] = {
    {ES_MULTILINE, "ES_MULTILINE"},     {ES_READONLY, "ES_READONLY"},
    {ES_AUTOVSCROLL, "ES_AUTOVSCROLL"}, {ES_AUTOHSCROLL, "ES_AUTOHSCROLL"},
    {ES_NOHIDESEL, "ES_NOHIDESEL"},     {ES_WANTRETURN, "ES_WANTRETURN"},
    {WS_VSCROLL, "WS_VSCROLL"},         {WS_HSCROLL, "WS_HSCROLL"},
    {WS_BORDER, "WS_BORDER"},           {WS_TABSTOP, "WS_TABSTOP"},
};

LRESULT sendToEditor(HWND editor, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(editor, message, wParam, lParam, SMTO_ABORTIFHUNG, kMessageTimeoutMs,
                        &result);
    return static_cast<LRESULT>(result);
}

// Position relative to the main window's client area, then the outer size.
int editorRect(Arguments) {
    HWND window = requireMainWindow();
    HWND editor = requireEditor(window);
    RECT r{};
    GetWindowRect(editor, &r);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
    printLine(std::to_string(r.left) + " " + std::to_string(r.top) + " " +
              std::to_string(r.right - r.left) + " " + std::to_string(r.bottom - r.top));
    return 0;
}

int editorClass(Arguments) {
    printLine(windowClass(requireEditor(requireMainWindow())));
    return 0;
}

int editorStyle(Arguments) {
    printLine(
        flagsText(GetWindowLongA(requireEditor(requireMainWindow()), GWL_STYLE), kEditorStyles));
    return 0;
}

constexpr FlagName kEditorExtendedStyles[] = {
    {WS_EX_CLIENTEDGE, "WS_EX_CLIENTEDGE"},
    {WS_EX_STATICEDGE, "WS_EX_STATICEDGE"},
    {WS_EX_ACCEPTFILES, "WS_EX_ACCEPTFILES"},
};

int editorExStyle(Arguments) {
    printLine(flagsText(GetWindowLongA(requireEditor(requireMainWindow()), GWL_EXSTYLE),
                        kEditorExtendedStyles));
    return 0;
}

int editorText(Arguments) {
    HWND editor = requireEditor(requireMainWindow());
    std::string text(sendToEditor(editor, WM_GETTEXTLENGTH, 0, 0) + 1, '\0');
    text.resize(
        sendToEditor(editor, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data())));
    printLine(escapedText(text));
    return 0;
}

int editorSelection(Arguments) {
    HWND editor = requireEditor(requireMainWindow());
    DWORD start = 0;
    DWORD end = 0;
    sendToEditor(editor, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    printLine(std::to_string(start) + " " + std::to_string(end));
    return 0;
}

int probeEditor(ProbeRequest request) {
    HWND window = requireMainWindow();
    const std::string reply = askProbe(window, request, requireEditor(window));
    std::size_t begin = 0;
    while (begin < reply.size()) {
        const std::size_t end = reply.find('\n', begin);
        printLine(reply.substr(begin, end - begin));
        begin = end == std::string::npos ? reply.size() : end + 1;
    }
    return 0;
}

int editorFont(Arguments) {
    return probeEditor(ProbeRequest::editorFont);
}
int editorColours(Arguments) {
    return probeEditor(ProbeRequest::editorColours);
}

constexpr Command kCommands[] = {
    {"editor-rect", "", 0, 0, editorRect},   {"editor-class", "", 0, 0, editorClass},
    {"editor-style", "", 0, 0, editorStyle}, {"editor-exstyle", "", 0, 0, editorExStyle},
    {"editor-text", "", 0, 0, editorText},   {"editor-sel", "", 0, 0, editorSelection},
    {"editor-font", "", 0, 0, editorFont},   {"editor-colours", "", 0, 0, editorColours},
};

} // namespace

std::span<const Command> editorCommands() {
    return kCommands;
}

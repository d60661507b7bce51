#include "bench_editor.h"

#include "text_view_window.h"

#include <commctrl.h>

#include <stdexcept>

namespace {

constexpr const char* kFrameClass = "VellumryEditorBench";
// The reader's main window and the editor in its client area.
constexpr int kFrameLeft = 339;
constexpr int kFrameTop = 251;
constexpr int kFrameWidth = 346;
constexpr int kFrameHeight = 266;
constexpr int kEditorWidth = 331;
constexpr int kEditorHeight = 208;
constexpr int kFontHeight = -12; // 9 points at 96 dpi
constexpr DWORD kEditorStyle =
    WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_LEFT;

HWND createFrame() {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kFrameClass;
    RegisterClassExA(&windowClass);
    // The same place in every run: what the desktop has to draw must not differ.
    return CreateWindowExA(0, kFrameClass, "editor benchmark", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                           kFrameLeft, kFrameTop, kFrameWidth, kFrameHeight, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

// Windows keeps an ANSI edit control's text as bytes; Wine keeps UTF-16 and counts characters.
bool countsCharacters(HWND editor) {
    SendMessageA(editor, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("中"));
    SendMessageA(editor, EM_SETSEL, 0, -1);
    DWORD end = 0;
    SendMessageA(editor, EM_GETSEL, 0, reinterpret_cast<LPARAM>(&end));
    SendMessageA(editor, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    return end == 1;
}

} // namespace

BenchEditor::BenchEditor(EditorKind kind) {
    // The edit control of common controls 6, which the manifest asks for, as the reader does.
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    if (kind == EditorKind::textView && !registerTextViewClass())
        throw std::runtime_error("cannot register the text view class");
    frame_ = createFrame();
    const char* editorClass = kind == EditorKind::textView ? kTextViewClass : "EDIT";
    editor_ =
        CreateWindowExA(0, editorClass, "", kEditorStyle, 0, 0, kEditorWidth, kEditorHeight, frame_,
                        reinterpret_cast<HMENU>(INT_PTR{1}), GetModuleHandleA(nullptr), nullptr);
    if (!frame_ || !editor_) throw std::runtime_error("cannot create the editor");
    SendMessageA(editor_, EM_SETLIMITTEXT, 0, 0);
    font_ =
        CreateFontA(kFontHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                    OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, PROOF_QUALITY, DEFAULT_PITCH, "宋体");
    SendMessageA(editor_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
    countsCharacters_ = countsCharacters(editor_);
    // The reading block is drawn only while the editor has the focus.
    SetForegroundWindow(frame_);
    SetFocus(editor_);
    settle();
}

BenchEditor::~BenchEditor() {
    DestroyWindow(frame_);
    DeleteObject(font_);
}

std::size_t BenchEditor::position(std::string_view text, std::size_t byteOffset) const {
    if (!countsCharacters_) return byteOffset;
    std::size_t characters = 0;
    for (std::size_t pos = 0; pos < byteOffset; ++characters) {
        const bool pair = static_cast<unsigned char>(text[pos]) >= 0x80 && pos + 1 < text.size();
        pos += pair ? 2 : 1;
    }
    return characters;
}

void BenchEditor::settle() const {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    UpdateWindow(frame_);
}

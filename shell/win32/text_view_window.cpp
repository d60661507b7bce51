// The window class "VellumryTextView" and its procedure, which only translates: each
// message becomes one call of the window's TextViewControl.
#include "text_view_window.h"

#include "text_view_control.h"

#include <windowsx.h>

namespace {

TextViewControl* controlOf(HWND window) {
    return reinterpret_cast<TextViewControl*>(GetWindowLongPtrA(window, 0));
}

POINT pointOf(LPARAM lParam) {
    return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
}

// The messages of the edit control that tools and the host send.
std::optional<LRESULT> editMessage(TextViewControl& view, UINT message, WPARAM wParam,
                                   LPARAM lParam) {
    switch (message) {
    case WM_GETTEXT:
        return view.getText(wParam, reinterpret_cast<char*>(lParam));
    case WM_GETTEXTLENGTH:
        return view.textLength();
    case WM_SETTEXT:
        view.setText(reinterpret_cast<const char*>(lParam));
        return TRUE;
    case EM_GETSEL:
        return view.getSelection(reinterpret_cast<DWORD*>(wParam),
                                 reinterpret_cast<DWORD*>(lParam));
    case EM_SETSEL:
        view.setSelection(static_cast<int>(wParam), static_cast<int>(lParam));
        return 0;
    case EM_SCROLLCARET:
        view.scrollCaretIntoView();
        return TRUE;
    case EM_SETREADONLY:
        view.setReadOnly(wParam != 0);
        return TRUE;
    case EM_GETLINECOUNT:
        return view.lineCount();
    case EM_GETFIRSTVISIBLELINE:
        return view.firstVisibleLine();
    case EM_POSFROMCHAR:
        return view.characterPoint(wParam);
    case EM_CANUNDO:
        return view.canUndo();
    case EM_UNDO:
    case WM_UNDO:
        return view.undo();
    case WM_COPY:
        view.copy();
        return 0;
    case WM_CUT:
        view.cut();
        return 0;
    case WM_PASTE:
        view.paste();
        return 0;
    case WM_CLEAR:
        view.clear();
        return 0;
    case WM_SETFONT:
        view.setFont(reinterpret_cast<HFONT>(wParam));
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(view.font());
    default:
        return std::nullopt;
    }
}

// The user's keys, mouse and input method. Escape and Tab go on to the default handling:
// the window around the view decides what they do.
std::optional<LRESULT> inputMessage(TextViewControl& view, HWND window, UINT message, WPARAM wParam,
                                    LPARAM lParam) {
    switch (message) {
    case WM_KEYDOWN:
        if (view.keyDown(wParam)) return 0;
        return std::nullopt;
    case WM_CHAR:
        view.character(wParam);
        return 0;
    case WM_IME_CHAR:
        view.imeCharacter(wParam);
        return 0;
    case WM_IME_STARTCOMPOSITION:
        view.compositionStarted();
        return std::nullopt;
    case WM_IME_ENDCOMPOSITION:
        view.compositionEnded();
        return std::nullopt;
    case WM_LBUTTONDOWN:
        view.buttonDown(pointOf(lParam));
        return 0;
    case WM_LBUTTONDBLCLK:
        view.doubleClick(pointOf(lParam));
        return 0;
    case WM_MOUSEMOVE:
        view.mouseMoved(pointOf(lParam));
        return 0;
    case WM_LBUTTONUP:
        view.buttonUp();
        return 0;
    case WM_CAPTURECHANGED:
        view.captureLost();
        return 0;
    case WM_RBUTTONDOWN:
        SetFocus(window);
        return 0;
    case WM_TIMER:
        view.autoScrollTick();
        return 0;
    case WM_MOUSEWHEEL:
        view.wheel(GET_WHEEL_DELTA_WPARAM(wParam));
        return 0;
    case WM_VSCROLL:
        view.scrollBarRequest(LOWORD(wParam));
        return 0;
    case WM_CONTEXTMENU:
        view.showContextMenu(pointOf(lParam));
        return 0;
    default:
        return std::nullopt;
    }
}

std::optional<LRESULT> windowMessage(TextViewControl& view, UINT message, WPARAM wParam) {
    switch (message) {
    case WM_PAINT:
        view.paint();
        return 0;
    case WM_ERASEBKGND:
        // Painting fills every pixel from its own buffer; erasing first would flicker.
        return 1;
    case WM_SIZE:
        view.resized();
        return 0;
    case WM_SETFOCUS:
        view.focusGained();
        return 0;
    case WM_KILLFOCUS:
        view.focusLost();
        return 0;
    case WM_STYLECHANGED:
        if (wParam == static_cast<WPARAM>(GWL_STYLE)) view.styleChanged();
        return 0;
    case WM_GETDLGCODE:
        // Not DLGC_WANTTAB: Tab moves the focus and is never typed.
        return DLGC_WANTCHARS | DLGC_WANTARROWS | DLGC_HASSETSEL;
    default:
        return std::nullopt;
    }
}

LRESULT CALLBACK textViewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, 0,
                          reinterpret_cast<LONG_PTR>(new TextViewControl(window, *create)));
    }
    TextViewControl* view = controlOf(window);
    if (!view) return DefWindowProcA(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, 0, 0);
        delete view;
        return DefWindowProcA(window, message, wParam, lParam);
    }
    if (auto result = editMessage(*view, message, wParam, lParam)) return *result;
    if (auto result = inputMessage(*view, window, message, wParam, lParam)) return *result;
    if (auto result = windowMessage(*view, message, wParam)) return *result;
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

bool registerTextViewClass() {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    if (GetClassInfoExA(GetModuleHandleA(nullptr), kTextViewClass, &windowClass)) return true;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = textViewProc;
    windowClass.cbWndExtra = sizeof(TextViewControl*);
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_IBEAM);
    windowClass.lpszClassName = kTextViewClass;
    return RegisterClassExA(&windowClass) != 0;
}

// Loads the program's icon at the sizes the system asks for, and registers the
// window classes that carry it.
#include "program_icon.h"

#include "resource_ids.h"

namespace {

HICON loadIcon(int widthMetric, int heightMetric) {
    return static_cast<HICON>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(VELLUMRY_ICON_ID), IMAGE_ICON,
                   GetSystemMetrics(widthMetric), GetSystemMetrics(heightMetric), LR_SHARED));
}

} // namespace

HICON programIcon() {
    return loadIcon(SM_CXICON, SM_CYICON);
}

HICON programSmallIcon() {
    return loadIcon(SM_CXSMICON, SM_CYSMICON);
}

bool registerProgramWindowClass(const char* name, WNDPROC procedure, HBRUSH background) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hIcon = programIcon();
    windowClass.hIconSm = programSmallIcon();
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = name;
    return RegisterClassExA(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

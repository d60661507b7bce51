// Loads the program's icon at the sizes the system asks for.
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

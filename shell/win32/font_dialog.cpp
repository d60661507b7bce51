// The font dialog of 通用对话框1.
#include "common_dialog.h"

#include "face_name.h"
#include "screen.h"
#include "shell/control_rules.h"

#include <commdlg.h>

namespace {

LOGFONTA storedFont(const CommonDialogState& dialog, int dpi) {
    LOGFONTA font{};
    font.lfWeight = dialog.bold ? kBoldWeight : FW_NORMAL;
    font.lfItalic = dialog.italic;
    font.lfStrikeOut = dialog.strikeOut;
    font.lfUnderline = dialog.underline;
    if (dialog.points != 0) font.lfHeight = fontHeightForPoints(dialog.points, dpi);
    setFaceName(font, dialog.faceName);
    return font;
}

} // namespace

FontChoice showFontDialog(CommonDialogState& dialog, HWND owner) {
    int dpi = verticalDpi();
    LOGFONTA font = storedFont(dialog, dpi);
    CHOOSEFONTA request{};
    request.lStructSize = sizeof(request);
    request.hwndOwner = owner;
    request.lpLogFont = &font;
    request.rgbColors = static_cast<COLORREF>(dialog.fontColour);
    request.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT;

    bool accepted = ChooseFontA(&request);
    if (accepted) {
        dialog.fontColour = static_cast<int>(request.rgbColors);
        dialog.bold = font.lfWeight >= kBoldWeight;
        dialog.italic = font.lfItalic;
        dialog.strikeOut = font.lfStrikeOut;
        dialog.underline = font.lfUnderline;
        dialog.faceName = font.lfFaceName;
        dialog.points = pointsForFontHeight(font.lfHeight, dpi);
    }
    return {dialog.fontColour, dialog.points, dialog.faceName, dialog.bold, accepted};
}

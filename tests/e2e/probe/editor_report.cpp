// Reads what the editor draws with, from inside the program's GUI thread.
#include "editor_report.h"

#include <cstdio>

namespace {

std::string line(const char* key, const std::string& value) {
    return std::string(key) + " " + value + "\n";
}
std::string line(const char* key, long value) {
    return line(key, std::to_string(value));
}

std::string colourText(COLORREF colour) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(colour));
    return text;
}

std::string realisedFontReport(HWND editor, HFONT font) {
    HDC dc = GetDC(editor);
    HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    char face[LF_FACESIZE] = {};
    GetTextFaceA(dc, sizeof face, face);
    SelectObject(dc, old);
    ReleaseDC(editor, dc);
    return line("realised-face", face) + line("realised-height", metrics.tmHeight) +
           line("realised-weight", metrics.tmWeight);
}

} // namespace

std::string editorFontReport(HWND editor) {
    auto font = reinterpret_cast<HFONT>(SendMessageA(editor, WM_GETFONT, 0, 0));
    if (!font) return line("font", "none");
    LOGFONTA description{};
    if (GetObjectA(font, sizeof description, &description) != sizeof description) {
        return line("font", "unreadable");
    }
    return line("face", description.lfFaceName) + line("height", description.lfHeight) +
           line("weight", description.lfWeight) + line("italic", description.lfItalic) +
           line("underline", description.lfUnderline) + line("strikeout", description.lfStrikeOut) +
           realisedFontReport(editor, font);
}

std::string editorColoursReport(HWND editor) {
    // A read-only or disabled edit control asks with WM_CTLCOLORSTATIC instead.
    const bool readOnly = (GetWindowLongA(editor, GWL_STYLE) & ES_READONLY) != 0;
    const UINT message =
        (readOnly || !IsWindowEnabled(editor)) ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT;
    HDC dc = GetDC(editor);
    const int saved = SaveDC(dc);
    auto brush = reinterpret_cast<HBRUSH>(SendMessageA(GetParent(editor), message,
                                                       reinterpret_cast<WPARAM>(dc),
                                                       reinterpret_cast<LPARAM>(editor)));
    std::string report =
        line("message", message == WM_CTLCOLOREDIT ? "WM_CTLCOLOREDIT" : "WM_CTLCOLORSTATIC") +
        line("text", colourText(GetTextColor(dc))) + line("background", colourText(GetBkColor(dc)));
    LOGBRUSH fill{};
    if (brush && GetObjectA(brush, sizeof fill, &fill) == sizeof fill) {
        report += line("brush", colourText(fill.lbColor));
    } else {
        report += line("brush", "none");
    }
    RestoreDC(dc, saved);
    ReleaseDC(editor, dc);
    return report;
}

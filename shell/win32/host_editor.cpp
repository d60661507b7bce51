// The Win32 host's editor services: text, the remembered selection, input mode, font,
// colour, focus and size of 编辑框1.
#include "win32_host.h"

#include "face_name.h"
#include "screen.h"

Text Win32Host::getEditorText() {
    return onMainWindow(Text{}, [&] { return editor_.text(); });
}

void Win32Host::setEditorText(const Text& text) {
    onMainWindow([&] {
        // The replacement raises nothing itself; the event comes once, after it.
        editor_.replaceText(text);
        if (kEvents.editorTextChanged) kEvents.editorTextChanged();
    });
}

int Win32Host::getSelectionStart() {
    return onMainWindow(0, [&] { return editor_.selectionStart(); });
}

void Win32Host::setSelectionStart(int position) {
    onMainWindow([&] {
        selection_ = afterSetSelectionStart(selection_, position, editor_.textLength());
        showRememberedSelection();
    });
}

void Win32Host::setSelectionLength(int count) {
    onMainWindow([&] {
        selection_ = afterSetSelectionLength(selection_, count, editor_.textLength());
        showRememberedSelection();
    });
}

void Win32Host::showRememberedSelection() {
    editor_.select(selectionToShow(selection_, editor_.textLength()));
}

void Win32Host::setEditorReadOnly(bool readOnly) {
    onMainWindow([&] { editor_.setReadOnly(readOnly); });
}

void Win32Host::setEditorFontSize(int points) {
    changeEditorFont(
        [&](LOGFONTA& font) { font.lfHeight = fontHeightForPoints(points, verticalDpi()); });
}

void Win32Host::setEditorFontName(const Text& faceName) {
    changeEditorFont([&](LOGFONTA& font) { setFaceName(font, editorFaceName(faceName)); });
}

void Win32Host::setEditorFontBold(bool bold) {
    changeEditorFont([&](LOGFONTA& font) { font.lfWeight = bold ? kBoldWeight : FW_DONTCARE; });
}

void Win32Host::changeEditorFont(const std::function<void(LOGFONTA&)>& change) {
    onMainWindow([&] {
        LOGFONTA font = editor_.font();
        change(font);
        applyEditorFont(font);
    });
}

void Win32Host::applyEditorFont(LOGFONTA description) {
    // Whatever the description held: the editor's fonts are always made this way.
    description.lfCharSet = DEFAULT_CHARSET;
    description.lfOutPrecision = OUT_DEFAULT_PRECIS;
    description.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    description.lfQuality = PROOF_QUALITY;
    description.lfPitchAndFamily = DEFAULT_PITCH;
    editor_.setFont(description);
}

void Win32Host::setEditorTextColour(int colour) {
    onMainWindow([&] { editor_.setTextColour(static_cast<COLORREF>(colour)); });
}

void Win32Host::focusEditor() {
    onMainWindow([&] { editor_.focus(); });
}

void Win32Host::setEditorSize(std::optional<int> width, std::optional<int> height) {
    onMainWindow([&] {
        SIZE size = editor_.outerSize();
        if (width) size.cx = clampEditorDimension(*width);
        if (height) size.cy = clampEditorDimension(*height);
        editor_.setOuterSize(size);
    });
}

// The Win32 host's message boxes, common dialogs and find window.
#include "win32_host.h"

namespace {

MessageBoxResult messageBoxResult(int pressed) {
    switch (pressed) {
    case IDOK:
        return kOk;
    case IDABORT:
        return kAbort;
    case IDRETRY:
        return kRetry;
    case IDIGNORE:
        return kIgnore;
    case IDYES:
        return kYes;
    case IDNO:
        return kNo;
    default:
        return kCancel;
    }
}

} // namespace

// On the calling thread and without an owner: a box shown by a worker leaves the GUI
// thread running, and one shown by the GUI thread leaves the main window usable.
int Win32Host::showMessageBox(const Text& text, int style, const Text& title) {
    int pressed = MessageBoxA(nullptr, text.c_str(), messageBoxTitle(title).c_str(),
                              static_cast<UINT>(messageBoxStyle(style)));
    return messageBoxResult(pressed);
}

Text Win32Host::runFileDialog(FileDialogKind kind, const Text& initialDirectory) {
    return onMainWindow(Text{}, [&] {
        commonDialog_.kind = kind;
        commonDialog_.initialDirectory = initialDirectory;
        return showFileDialog(commonDialog_, mainWindow_);
    });
}

FontChoice Win32Host::runFontDialog() {
    return onMainWindow(FontChoice{}, [&] { return showFontDialog(commonDialog_, mainWindow_); });
}

void Win32Host::openFindWindow() {
    onMainWindow([&] { findWindow_.open(mainWindow_); });
}

Text Win32Host::getFindBoxText() {
    return onGuiThread([&] {
        if (!findWindow_.isLoaded()) fatalError(windowNotLoadedError());
        return findWindow_.searchText();
    });
}

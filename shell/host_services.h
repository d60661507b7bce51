// The host services: everything the reader logic may ask of the world. One platform
// layer implements them for real (shell/win32) and a test host implements them in
// memory; both derive from HostServices, so a service that a host leaves out does not
// compile. Texts are GBK bytes and every length or position counts bytes.
//
// The text services (textByteLength, splitText, findText, textToInt, intToText,
// boolToText) and the rules behind the controls are the same on every host; they are
// plain functions in text_rules.h and control_rules.h.
#pragma once

#include "fatal_error.h"
#include "text.h"
#include "window_definitions.h"

#include <cstdint>
#include <functional>
#include <optional>

// The platform's native handle of a window or control.
using NativeHandle = std::intptr_t;

// Message-box results: the button that closed the box.
enum MessageBoxResult {
    kOk = 0,
    kCancel = 1,
    kAbort = 2,
    kRetry = 3,
    kIgnore = 4,
    kYes = 5,
    kNo = 6
};

struct WindowSize {
    int width = 0;
    int height = 0;
};

struct FontChoice {
    int colour = 0; // 0x00BBGGRR
    int points = 0;
    Text faceName;
    bool bold = false;
    bool accepted = false;
};

inline constexpr int kDesktopFolder = 3;

class HostServices {
  public:
    virtual ~HostServices() = default;

    // Program lifecycle. endProgram does not return to its caller.
    virtual void registerExitCleanup(void (*cleanup)()) = 0;
    virtual void loadMainWindow() = 0;
    virtual void runEventLoop() = 0;
    [[noreturn]] void endProgram(int exitCode);
    // Shows the fatal error box and ends the process with −1, without the clean-up.
    [[noreturn]] void fatalError(const FatalError& error);

    // The main window's editor 编辑框1.
    virtual Text getEditorText() = 0;
    // Raises the editor's text-changed event once before returning, also for the same
    // text.
    virtual void setEditorText(const Text& text) = 0;
    virtual int getSelectionStart() = 0;
    virtual void setSelectionStart(int position) = 0;
    virtual void setSelectionLength(int count) = 0;
    virtual void setEditorReadOnly(bool readOnly) = 0;
    virtual void setEditorFontSize(int points) = 0;
    virtual void setEditorFontName(const Text& faceName) = 0;
    virtual void setEditorFontBold(bool bold) = 0;
    virtual void setEditorTextColour(int colour) = 0;
    virtual void focusEditor() = 0;
    // An omitted dimension keeps its present value.
    virtual void setEditorSize(std::optional<int> width, std::optional<int> height) = 0;
    virtual NativeHandle getWindowHandle(WindowObject object) = 0;
    // The find window's search box.
    virtual Text getFindBoxText() = 0;

    // The main window.
    virtual bool isWindowVisible() = 0;
    virtual void setWindowVisible(bool visible) = 0;
    virtual bool isWindowTopmost() = 0;
    virtual void setWindowTopmost(bool topmost) = 0;
    virtual void setWindowCaption(const Text& caption) = 0;
    virtual WindowSize getWindowSize() = 0;

    // Menu items. The setters do nothing when the value is the present one.
    virtual bool isMenuChecked(MenuItem item) = 0;
    virtual void setMenuChecked(MenuItem item, bool checked) = 0;
    virtual void setMenuVisible(MenuItem item, bool visible) = 0;
    virtual void setMenuCaption(MenuItem item, const Text& caption) = 0;

    // Timers 时钟1 and 时钟2.
    virtual int getTimerPeriod(Timer timer) = 0;
    virtual void setTimerPeriod(Timer timer, int milliseconds) = 0;

    // Dialogs and the find window. An empty title shows the default "信息：".
    virtual int showMessageBox(const Text& text, int style, const Text& title) = 0;
    // The accepted full path, or "" when the user cancelled.
    virtual Text runFileDialog(FileDialogKind kind, const Text& initialDirectory) = 0;
    virtual FontChoice runFontDialog() = 0;
    virtual void openFindWindow() = 0;

    // Files. Handle 0 is no file.
    virtual int openFileForReading(const Text& path) = 0;
    virtual Text readRemainingText(int file) = 0;
    // The whole file's bytes from where its text ends (see textEndInBytes) to its end: what
    // the editor never showed and a save back over the file must keep. Empty when the text
    // runs to the end, for handle 0 and when reading fails.
    virtual Bytes readBytesAfterText(int file) = 0;
    virtual void closeFile(int file) = 0;
    virtual Bytes textToBytes(const Text& text) = 0;
    virtual bool writeFileBytes(const Text& path, const Bytes& bytes) = 0;
    virtual bool fileExists(const Text& path) = 0;
    virtual bool deleteFile(const Text& path) = 0;

    // The settings file, folders and paths.
    virtual Text programDirectory() = 0;
    virtual Text specialFolderPath(int kind) = 0;
    virtual Text readSetting(const Text& path, const Text& section, const Text& key) = 0;
    virtual bool writeSetting(const Text& path, const Text& section, const Text& key,
                              const Text& value) = 0;

    // System.
    virtual int registerHotkey(NativeHandle target, NativeHandle receiver, int modifierCode,
                               int virtualKey) = 0;
    virtual bool registerDropTarget(DropObject object, NativeHandle window) = 0;
    virtual bool startWorker(std::function<void()> task) = 0;
    virtual void processPendingEvents() = 0;
    virtual bool applyVisualStyle(int scheme) = 0;
    // The system's default beep: a search that found nothing.
    virtual void beep() = 0;

  protected:
    // What endProgram and fatalError ask of the host; neither may return. (A call through
    // a virtual function cannot carry [[noreturn]] to its callers, so the public
    // services wrap these.)
    virtual void endProcess(int exitCode) = 0;
    virtual void endWithFatalError(const FatalError& error) = 0;
};

// The host the logic talks to; installed once by the host before the entry runs.
HostServices& host();
void installHost(HostServices& services);

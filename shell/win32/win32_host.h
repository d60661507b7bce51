// The Win32 host: every host service, for real, on the Windows desktop. Texts and editor
// positions are GBK bytes throughout, so only ANSI functions and window classes are
// used. Services that act on a window run on the GUI thread; the others run on the
// thread that calls them.
#pragma once

#include "common_dialog.h"
#include "drop_target.h"
#include "editor_control.h"
#include "file_table.h"
#include "find_text_window.h"
#include "gui_thread.h"
#include "hotkeys.h"
#include "menu_bar.h"
#include "settings_store.h"
#include "shell/control_rules.h"
#include "shell/host_services.h"
#include "timers.h"

#include <windows.h>

#include <atomic>
#include <type_traits>

class Win32Host final : public HostServices {
  public:
    // Made on the thread that will own every window.
    explicit Win32Host(Text programDirectory);

    void registerExitCleanup(void (*cleanup)()) override;
    void loadMainWindow() override;
    void runEventLoop() override;

    Text getEditorText() override;
    void setEditorText(const Text& text) override;
    int getSelectionStart() override;
    void setSelectionStart(int position) override;
    void setSelectionLength(int count) override;
    void setEditorReadOnly(bool readOnly) override;
    void setEditorFontSize(int points) override;
    void setEditorFontName(const Text& faceName) override;
    void setEditorFontBold(bool bold) override;
    void setEditorTextColour(int colour) override;
    void focusEditor() override;
    void setEditorSize(std::optional<int> width, std::optional<int> height) override;
    NativeHandle getWindowHandle(WindowObject object) override;
    Text getFindBoxText() override;

    bool isWindowVisible() override;
    void setWindowVisible(bool visible) override;
    bool isWindowTopmost() override;
    void setWindowTopmost(bool topmost) override;
    void setWindowCaption(const Text& caption) override;
    WindowSize getWindowSize() override;

    bool isMenuChecked(MenuItem item) override;
    void setMenuChecked(MenuItem item, bool checked) override;
    void setMenuVisible(MenuItem item, bool visible) override;
    void setMenuCaption(MenuItem item, const Text& caption) override;

    int getTimerPeriod(Timer timer) override;
    void setTimerPeriod(Timer timer, int milliseconds) override;

    int showMessageBox(const Text& text, int style, const Text& title) override;
    Text runFileDialog(FileDialogKind kind, const Text& initialDirectory) override;
    FontChoice runFontDialog() override;
    void openFindWindow() override;

    int openFileForReading(const Text& path) override;
    Text readRemainingText(int file) override;
    Bytes readBytesAfterText(int file) override;
    void closeFile(int file) override;
    Bytes textToBytes(const Text& text) override;
    bool writeFileBytes(const Text& path, const Bytes& bytes) override;
    bool fileExists(const Text& path) override;
    bool deleteFile(const Text& path) override;

    Text programDirectory() override;
    Text specialFolderPath(int kind) override;
    Text readSetting(const Text& path, const Text& section, const Text& key) override;
    bool writeSetting(const Text& path, const Text& section, const Text& key,
                      const Text& value) override;

    int registerHotkey(NativeHandle target, NativeHandle receiver, int modifierCode,
                       int virtualKey) override;
    bool registerDropTarget(DropObject object, NativeHandle window) override;
    bool startWorker(std::function<void()> task) override;
    void processPendingEvents() override;
    bool applyVisualStyle(int scheme) override;
    void beep() override;

    // What the main window's procedure hands over, on the GUI thread.
    void onCommand(WPARAM wParam, LPARAM lParam);
    std::optional<HBRUSH> controlColours(HWND control, HDC dc);
    void onTimer(WPARAM timerId);
    void onSizeChanged();
    void onFocused();
    // True when the system command must go no further.
    bool onSystemCommand(WPARAM command, LPARAM lParam);
    void onCloseRequested();
    void onDestroyed();

  protected:
    void endProcess(int exitCode) override;
    void endWithFatalError(const FatalError& error) override;

  private:
    void createMainWindowControls();
    void dispatch(MSG& message);
    bool filterMessage(MSG& message);
    [[noreturn]] void endOnGuiThread(int exitCode);
    void rebuildMenuBar();
    void changeEditorFont(const std::function<void(LOGFONTA&)>& change);
    void applyEditorFont(LOGFONTA description);
    void showRememberedSelection();
    // True while the main window exists; once it is gone the program is ending and the
    // service does nothing. Before it was loaded, addressing it is a fatal error.
    bool mainWindowUsable();

    template <typename Work> auto onGuiThread(Work work) -> decltype(work()) {
        if constexpr (std::is_void_v<decltype(work())>) {
            runOnGuiThread(work);
        } else {
            decltype(work()) result{};
            runOnGuiThread([&] { result = work(); });
            return result;
        }
    }
    template <typename Work> void onMainWindow(Work work) {
        onGuiThread([&] {
            if (mainWindowUsable()) work();
        });
    }
    template <typename Result, typename Work> Result onMainWindow(Result fallback, Work work) {
        return onGuiThread([&]() -> Result { return mainWindowUsable() ? work() : fallback; });
    }

    Text programDirectory_;
    std::atomic<bool> ending_{false};

    HWND owner_ = nullptr;
    HWND mainWindow_ = nullptr;
    HWND label_ = nullptr;
    HACCEL accelerators_ = nullptr;
    bool topmost_ = kMainWindowTopmost;
    bool sizeEventsLive_ = false;
    SIZE reportedSize_{};

    MenuBar menuBar_;
    EditorControl editor_;
    RememberedSelection selection_;
    Timers timers_;
    CommonDialogState commonDialog_;
    FindTextWindow findWindow_;
    Hotkeys hotkeys_;
    DropTarget dropTarget_;
    FileTable files_;
    SettingsStore settings_;
};

// The test host: an in-memory model of the two windows built from the same definitions
// as the real ones, scripted answers for boxes and dialogs, an in-memory file system,
// and worker tasks on real threads. Constructing one installs it and starts the reader
// from a zeroed state.
#pragma once

#include "fake_files.h"
#include "shell/control_rules.h"
#include "shell/host_services.h"

#include <deque>
#include <functional>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

// What endProgram and fatalError throw to unwind to FakeHost::run.
struct ProgramEnded {
    int exitCode;
};

struct ShownBox {
    Text text;
    int style;
    Text title;
};

struct FileDialogCall {
    FileDialogKind kind;
    Text initialDirectory;
};

struct MenuState {
    Text caption;
    bool checked;
    bool visible;
};

struct EditorFont {
    int height = 0;
    Text faceName = kEditor.faceName;
    int weight = kEditor.fontWeight;
};

class FakeHost : public HostServices {
  public:
    static constexpr int kDpi = 96;
    static constexpr const char* kProgramDirectory = "C:\\Vellumry";

    FakeHost();
    ~FakeHost() override;

    // Runs the program entry; `session` is what the user does while the event loop
    // runs. The main window is gone when the session returns. Returns the exit code.
    int run(std::function<void()> session = {});

    // User actions.
    bool requestClose(); // close box or Escape: false when the window stayed open
    void chooseMenu(MenuItem item);
    void typeText(const Text& text); // replaces the live selection, raises text-changed
    void clickAt(int position);      // moves the live selection only
    void pressHotkey(int id);
    void tickTimer(Timer timer);
    void dropFiles(const std::vector<Text>& paths);
    void clickFindButton();
    void waitForWorkers();

    // false lets the tasks started while loading run alongside the user's session.
    bool waitForStartupTasks = true;

    // Scripted answers.
    std::deque<int> boxAnswers;
    std::deque<Text> fileDialogAnswers;
    std::deque<FontChoice> fontDialogAnswers;
    std::set<int> refusedHotkeyKeys;

    // What happened.
    std::vector<ShownBox> boxes;
    std::vector<FileDialogCall> fileDialogs;
    std::vector<std::string> journal; // services called, in order
    int exitCleanupRuns = 0;
    std::optional<FatalError> fatal;

    // The model, readable by tests.
    FakeFiles files;
    Text programDir = kProgramDirectory;
    Text desktop = "C:\\Users\\reader\\Desktop\\";
    bool windowLoaded = false;
    bool windowVisible = false;
    bool windowTopmost = kMainWindowTopmost;
    Text windowCaption = kMainWindowTitle;
    WindowSize windowSize{kMainWindowWidth, kMainWindowHeight};
    std::vector<MenuState> menus;
    int menuRebuilds = 0;
    Text editorText;
    RememberedSelection remembered;
    SelectionRange selection;
    bool editorReadOnly = false;
    bool editorFocused = false;
    EditorFont editorFont;
    int editorColour = kEditor.textColour;
    WindowSize editorSize;
    int timerPeriods[kTimerCount] = {0, 0};
    int timerRestarts[kTimerCount] = {0, 0};
    bool findWindowOpen = false;
    int findWindowActivations = 0;
    Text findBoxText;
    int hotkeyCounter = 0;
    std::vector<int> hotkeyIdsGiven;
    NativeHandle hotkeyReceiver = 0;
    bool dropTargetRegistered = false;
    int visualStyle = 0;
    int beeps = 0;
    Text fileDialogName;
    FontChoice fontValues;

    // HostServices.
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

  protected:
    void endProcess(int exitCode) override;
    void endWithFatalError(const FatalError& error) override;

  public:
    // Convenience for tests.
    Text settingsPath() const;
    std::optional<Text> storedSetting(const Text& section, const Text& key) const;
    const MenuState& menu(MenuItem item) const { return menus[menuIndex(item)]; }
    // In the menu bar: shown itself and every item it belongs to shown.
    bool isMenuPresent(MenuItem item) const;

  private:
    void note(std::string entry);
    void requireLoaded();
    void showSelection();
    void raiseTextChanged();
    static void countedCleanup();

    std::recursive_mutex lock_;
    std::function<void()> session_;
    void (*cleanup_)() = nullptr;
    std::vector<std::thread> workers_;
};

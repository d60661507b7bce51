#include "fake_host.h"

#include "core/lifecycle.h"
#include "core/reader_state.h"
#include "shell/exit_cleanup.h"
#include "shell/ini_file.h"
#include "shell/text_rules.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

FakeHost* current = nullptr;

constexpr NativeHandle kHandles[] = {0x100, 0x200, 0x300};

template <typename Handler, typename... Args> void raise(Handler handler, Args&&... args) {
    if (handler) handler(std::forward<Args>(args)...);
}

} // namespace

FakeHost::FakeHost() {
    for (const MenuItemDefinition& item : kMainMenu) {
        menus.push_back({item.caption, item.checked, item.visible});
    }
    const ControlDefinition& editor = kMainWindowControls[std::size(kMainWindowControls) - 1];
    editorSize = {editor.width, editor.height};
    current = this;
    resetReaderState();
    installHost(*this);
}

FakeHost::~FakeHost() {
    waitForWorkers();
    current = nullptr;
}

void FakeHost::note(std::string entry) {
    std::lock_guard guard(lock_);
    journal.push_back(std::move(entry));
}

void FakeHost::requireLoaded() {
    if (!windowLoaded) fatalError(windowNotLoadedError());
}

int FakeHost::run(std::function<void()> session) {
    session_ = std::move(session);
    try {
        int code = programEntry();
        runExitCleanupOnce();
        return code;
    } catch (const ProgramEnded& ended) {
        return ended.exitCode;
    }
}

bool FakeHost::requestClose() {
    if (!windowLoaded) return false;
    bool allowed = kEvents.canBeClosed ? kEvents.canBeClosed() : true;
    if (allowed) windowLoaded = false;
    return allowed;
}

bool FakeHost::isMenuPresent(MenuItem item) const {
    int index = menuIndex(item);
    int level = kMainMenu[index].level;
    if (!menus[index].visible) return false;
    for (int i = index - 1; i >= 0 && level > 0; --i) {
        if (kMainMenu[i].level >= level) continue;
        if (!menus[i].visible) return false;
        level = kMainMenu[i].level;
    }
    return true;
}

void FakeHost::chooseMenu(MenuItem item) {
    if (!isMenuPresent(item)) {
        ADD_FAILURE() << "chose a menu item that is not in the menu bar";
        return;
    }
    raise(menuHandler(item));
}

void FakeHost::typeText(const Text& text) {
    if (editorReadOnly) return;
    editorText.replace(selection.anchor, selection.caret - selection.anchor, text);
    selection = {selection.anchor + textByteLength(text), selection.anchor + textByteLength(text)};
    raiseTextChanged();
}

void FakeHost::clickAt(int position) {
    position = std::clamp(position, 0, textByteLength(editorText));
    selection = {position, position};
}

void FakeHost::pressHotkey(int id) {
    if (isReaderHotkeyId(id, hotkeyCounter + kFirstHotkeyId - 1))
        raise(kEvents.hotkeyFeedback, id, 0);
}

void FakeHost::tickTimer(Timer timer) {
    if (timerPeriods[timerIndex(timer)] > 0) raise(kEvents.timerTick[timerIndex(timer)]);
}

void FakeHost::dropFiles(const std::vector<Text>& paths) {
    if (dropTargetRegistered) raise(kEvents.fileDropped, droppedFilesText(paths));
}

void FakeHost::clickFindButton() {
    if (findWindowOpen) raise(kEvents.findButtonClicked);
}

void FakeHost::waitForWorkers() {
    for (;;) {
        std::vector<std::thread> running;
        {
            std::lock_guard guard(lock_);
            running.swap(workers_);
        }
        if (running.empty()) return;
        for (std::thread& worker : running)
            worker.join();
    }
}

void FakeHost::countedCleanup() {
    ++current->exitCleanupRuns;
    current->cleanup_();
}

void FakeHost::registerExitCleanup(void (*cleanup)()) {
    note("registerExitCleanup");
    cleanup_ = cleanup;
    setExitCleanup(countedCleanup);
}

void FakeHost::loadMainWindow() {
    note("loadMainWindow");
    windowLoaded = true;
    raise(kEvents.created);
    raise(kEvents.sizeChanged);
    windowVisible = true;
}

// The session starts once the tasks started while loading have ended, as if the user
// answered the restore questions before doing anything else.
void FakeHost::runEventLoop() {
    note("runEventLoop");
    if (waitForStartupTasks) waitForWorkers();
    if (session_) session_();
    windowLoaded = false;
}

void FakeHost::endProcess(int exitCode) {
    note("endProgram " + std::to_string(exitCode));
    windowLoaded = false;
    runExitCleanupOnce();
    throw ProgramEnded{exitCode};
}

void FakeHost::endWithFatalError(const FatalError& error) {
    fatal = error;
    boxes.push_back({fatalErrorText(error), 0x10, kFatalErrorTitle});
    clearExitCleanup();
    throw ProgramEnded{kFatalExitCode};
}

Text FakeHost::getEditorText() {
    std::lock_guard guard(lock_);
    requireLoaded();
    return editorText;
}

void FakeHost::raiseTextChanged() {
    raise(kEvents.editorTextChanged);
}

void FakeHost::setEditorText(const Text& text) {
    std::lock_guard guard(lock_);
    requireLoaded();
    note("setEditorText");
    editorText = text;
    selection = {0, 0};
    raiseTextChanged();
}

int FakeHost::getSelectionStart() {
    std::lock_guard guard(lock_);
    requireLoaded();
    return std::min(selection.anchor, selection.caret);
}

void FakeHost::showSelection() {
    selection = selectionToShow(remembered, textByteLength(editorText));
}

void FakeHost::setSelectionStart(int position) {
    std::lock_guard guard(lock_);
    requireLoaded();
    remembered = afterSetSelectionStart(remembered, position, textByteLength(editorText));
    showSelection();
}

void FakeHost::setSelectionLength(int count) {
    std::lock_guard guard(lock_);
    requireLoaded();
    remembered = afterSetSelectionLength(remembered, count, textByteLength(editorText));
    showSelection();
}

void FakeHost::setEditorReadOnly(bool readOnly) {
    note(readOnly ? "setEditorReadOnly true" : "setEditorReadOnly false");
    editorReadOnly = readOnly;
}

void FakeHost::setEditorFontSize(int points) {
    note("setEditorFontSize " + std::to_string(points));
    editorFont.height = fontHeightForPoints(points, kDpi);
}

void FakeHost::setEditorFontName(const Text& faceName) {
    note("setEditorFontName " + faceName);
    editorFont.faceName = editorFaceName(faceName);
}

void FakeHost::setEditorFontBold(bool bold) {
    note(bold ? "setEditorFontBold true" : "setEditorFontBold false");
    editorFont.weight = bold ? kBoldWeight : 0;
}

void FakeHost::setEditorTextColour(int colour) {
    note("setEditorTextColour " + std::to_string(colour));
    editorColour = colour;
}

void FakeHost::focusEditor() {
    editorFocused = true;
}

void FakeHost::setEditorSize(std::optional<int> width, std::optional<int> height) {
    if (width) editorSize.width = clampEditorDimension(*width);
    if (height) editorSize.height = clampEditorDimension(*height);
}

NativeHandle FakeHost::getWindowHandle(WindowObject object) {
    return kHandles[static_cast<int>(object)];
}

Text FakeHost::getFindBoxText() {
    if (!findWindowOpen) fatalError(windowNotLoadedError());
    return findBoxText;
}

bool FakeHost::isWindowVisible() {
    return windowVisible;
}

void FakeHost::setWindowVisible(bool visible) {
    windowVisible = visible;
}

bool FakeHost::isWindowTopmost() {
    return windowTopmost;
}

void FakeHost::setWindowTopmost(bool topmost) {
    windowTopmost = topmost;
}

void FakeHost::setWindowCaption(const Text& caption) {
    std::lock_guard guard(lock_);
    windowCaption = caption;
}

WindowSize FakeHost::getWindowSize() {
    return windowSize;
}

bool FakeHost::isMenuChecked(MenuItem item) {
    return menus[menuIndex(item)].checked;
}

void FakeHost::setMenuChecked(MenuItem item, bool checked) {
    note(std::string("setMenuChecked ") + kMainMenu[menuIndex(item)].caption +
         (checked ? " true" : " false"));
    MenuState& state = menus[menuIndex(item)];
    if (state.checked == checked) return;
    state.checked = checked;
    ++menuRebuilds;
}

void FakeHost::setMenuVisible(MenuItem item, bool visible) {
    MenuState& state = menus[menuIndex(item)];
    if (state.visible == visible) return;
    state.visible = visible;
    ++menuRebuilds;
}

void FakeHost::setMenuCaption(MenuItem item, const Text& caption) {
    MenuState& state = menus[menuIndex(item)];
    if (state.caption == caption) return;
    state.caption = caption;
    ++menuRebuilds;
}

int FakeHost::getTimerPeriod(Timer timer) {
    return timerPeriods[timerIndex(timer)];
}

void FakeHost::setTimerPeriod(Timer timer, int milliseconds) {
    int& period = timerPeriods[timerIndex(timer)];
    TimerChange change = timerPeriodChange(period, milliseconds);
    period = change.period;
    if (change.restart) ++timerRestarts[timerIndex(timer)];
}

int FakeHost::showMessageBox(const Text& text, int style, const Text& title) {
    std::lock_guard guard(lock_);
    boxes.push_back({text, messageBoxStyle(style), messageBoxTitle(title)});
    if (boxAnswers.empty()) {
        ADD_FAILURE() << "a message box was shown that the test did not expect";
        return kCancel;
    }
    int answer = boxAnswers.front();
    boxAnswers.pop_front();
    return answer;
}

Text FakeHost::runFileDialog(FileDialogKind kind, const Text& initialDirectory) {
    fileDialogs.push_back({kind, initialDirectory});
    if (fileDialogAnswers.empty()) {
        ADD_FAILURE() << "a file dialog was shown that the test did not expect";
        return "";
    }
    Text answer = fileDialogAnswers.front();
    fileDialogAnswers.pop_front();
    if (!answer.empty()) fileDialogName = answer;
    return answer;
}

FontChoice FakeHost::runFontDialog() {
    if (fontDialogAnswers.empty()) {
        ADD_FAILURE() << "a font dialog was shown that the test did not expect";
        return fontValues;
    }
    FontChoice answer = fontDialogAnswers.front();
    fontDialogAnswers.pop_front();
    if (answer.accepted) fontValues = answer;
    FontChoice result = fontValues;
    result.accepted = answer.accepted;
    return result;
}

void FakeHost::openFindWindow() {
    if (findWindowOpen) {
        ++findWindowActivations;
        return;
    }
    findWindowOpen = true;
    findBoxText.clear();
}

int FakeHost::openFileForReading(const Text& path) {
    note("openFileForReading " + path);
    return files.open(path);
}

Text FakeHost::readRemainingText(int file) {
    return files.readRemaining(file);
}

Bytes FakeHost::readBytesAfterText(int file) {
    return files.bytesAfterText(file);
}

void FakeHost::closeFile(int file) {
    note("closeFile " + std::to_string(file));
    files.close(file);
}

Bytes FakeHost::textToBytes(const Text& text) {
    return text;
}

bool FakeHost::writeFileBytes(const Text& path, const Bytes& bytes) {
    note("writeFileBytes " + path);
    return files.write(path, bytes);
}

bool FakeHost::fileExists(const Text& path) {
    return files.exists(path);
}

bool FakeHost::deleteFile(const Text& path) {
    note("deleteFile " + path);
    return files.remove(path);
}

Text FakeHost::programDirectory() {
    return programDir;
}

Text FakeHost::specialFolderPath(int kind) {
    return kind == kDesktopFolder ? desktop : "";
}

Text FakeHost::readSetting(const Text& path, const Text& section, const Text& key) {
    std::string_view file = skipLeadingBlanks(path), name = skipLeadingBlanks(section),
                     entry = skipLeadingBlanks(key);
    if (file.empty() || name.empty() || entry.empty()) return "";
    note("readSetting " + section + " " + key);
    std::optional<Bytes> content = files.get(Text(file));
    if (!content) return "";
    return readIniValue(*content, name, entry).value_or("");
}

bool FakeHost::writeSetting(const Text& path, const Text& section, const Text& key,
                            const Text& value) {
    std::lock_guard guard(lock_);
    note("writeSetting " + section + " " + key + " " + value);
    std::string_view file = skipLeadingBlanks(path);
    if (file.empty()) return false;
    std::optional<Bytes> updated =
        writeIniValue(files.get(Text(file)).value_or(""), section, key, value);
    return updated && files.write(Text(file), *updated);
}

int FakeHost::registerHotkey(NativeHandle target, NativeHandle receiver, int modifierCode,
                             int virtualKey) {
    note("registerHotkey " + std::to_string(modifierCode) + " " + static_cast<char>(virtualKey));
    EXPECT_EQ(target, getWindowHandle(WindowObject::mainWindow));
    hotkeyReceiver = receiver;
    int id = hotkeyIdForRegistration(++hotkeyCounter);
    if (refusedHotkeyKeys.contains(virtualKey)) return 0;
    hotkeyIdsGiven.push_back(id);
    return id;
}

bool FakeHost::registerDropTarget(DropObject, NativeHandle window) {
    note("registerDropTarget");
    if (dropTargetRegistered || window != getWindowHandle(WindowObject::编辑框1)) return false;
    dropTargetRegistered = true;
    return true;
}

bool FakeHost::startWorker(std::function<void()> task) {
    std::lock_guard guard(lock_);
    note("startWorker");
    workers_.emplace_back(std::move(task));
    return true;
}

void FakeHost::processPendingEvents() {
}

bool FakeHost::applyVisualStyle(int scheme) {
    note("applyVisualStyle " + std::to_string(scheme));
    visualStyle = scheme;
    return true;
}

void FakeHost::beep() {
    ++beeps;
}

Text FakeHost::settingsPath() const {
    return programDir + "\\配置文件.ini";
}

std::optional<Text> FakeHost::storedSetting(const Text& section, const Text& key) const {
    std::optional<Bytes> content = files.get(settingsPath());
    if (!content) return std::nullopt;
    return readIniValue(*content, section, key);
}

// The Win32 host's program lifecycle: loading the main window, the event loop, ending
// the program, fatal errors and worker threads.
#include "win32_host.h"

#include "face_name.h"
#include "fatal_exit.h"
#include "main_window.h"
#include "screen.h"
#include "shell/exit_cleanup.h"
#include "topmost_band.h"

#include <system_error>
#include <thread>
#include <utility>

namespace {

constexpr int kEditorControlId = 1;
constexpr int kLabelControlId = 2;

} // namespace

Win32Host::Win32Host(Text programDirectory) : programDirectory_(std::move(programDirectory)) {
    startGuiThreadDispatcher();
}

void Win32Host::registerExitCleanup(void (*cleanup)()) {
    setExitCleanup(cleanup);
}

void Win32Host::loadMainWindow() {
    MainWindowFrame frame = createMainWindow(*this, menuBar_.build());
    if (!frame.window) fatalError(startWindowNotLoadedError());
    owner_ = frame.owner;
    mainWindow_ = frame.window;
    placeInTopmostBand(mainWindow_, topmost_);
    accelerators_ = menuBar_.createAccelerators();
    createMainWindowControls();

    if (kEvents.created) kEvents.created();
    reportedSize_ = outerSize(mainWindow_);
    sizeEventsLive_ = true;
    if (kEvents.sizeChanged) kEvents.sizeChanged();
    ShowWindow(mainWindow_, SW_SHOW);
}

void Win32Host::createMainWindowControls() {
    for (const ControlDefinition& control : kMainWindowControls) {
        switch (control.kind) {
        case ControlKind::label:
            label_ = CreateWindowExA(0, "STATIC", "", WS_CHILD | (control.visible ? WS_VISIBLE : 0),
                                     control.left, control.top, control.width, control.height,
                                     mainWindow_, reinterpret_cast<HMENU>(INT_PTR{kLabelControlId}),
                                     GetModuleHandleA(nullptr), nullptr);
            break;
        case ControlKind::editBox: {
            if (!editor_.create(mainWindow_, control, kEditorControlId, kEditor)) {
                fatalError(startWindowNotLoadedError());
            }
            LOGFONTA font{};
            font.lfHeight = fontHeightForPoints(kEditor.fontPoints, verticalDpi());
            font.lfWeight = kEditor.fontWeight;
            setFaceName(font, kEditor.faceName);
            applyEditorFont(font);
            break;
        }
        default:
            // Timers, the common dialog and the drop object are no windows: their state
            // lives in timers_, commonDialog_ and dropTarget_ from the start.
            break;
        }
    }
}

void Win32Host::runEventLoop() {
    MSG message;
    while (mainWindow_ && GetMessageA(&message, nullptr, 0, 0) > 0)
        dispatch(message);
}

void Win32Host::processPendingEvents() {
    onGuiThread([&] {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                // Left for the event loop, which ends on it.
                PostQuitMessage(static_cast<int>(message.wParam));
                return;
            }
            dispatch(message);
        }
    });
}

void Win32Host::endProcess(int exitCode) {
    if (isGuiThread()) endOnGuiThread(exitCode);
    if (!ending_ && !postToGuiThread([this, exitCode] { endOnGuiThread(exitCode); })) {
        // No GUI thread takes requests any more: this thread ends the program itself.
        ending_ = true;
        runExitCleanupOnce();
        ExitProcess(static_cast<UINT>(exitCode));
    }
    // The GUI thread ends the process; this thread only waits for that.
    for (;;)
        Sleep(INFINITE);
}

void Win32Host::endOnGuiThread(int exitCode) {
    ending_ = true;
    if (findWindow_.isLoaded()) DestroyWindow(findWindow_.handle());
    if (mainWindow_) DestroyWindow(mainWindow_);
    if (owner_) DestroyWindow(owner_);
    runExitCleanupOnce();
    ExitProcess(static_cast<UINT>(exitCode));
}

void Win32Host::endWithFatalError(const FatalError& error) {
    exitWithFatalError(error);
}

bool Win32Host::startWorker(std::function<void()> task) {
    try {
        std::thread(std::move(task)).detach();
        return true;
    } catch (const std::system_error&) {
        return false;
    }
}

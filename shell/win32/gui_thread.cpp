// The GUI thread's dispatcher: a message-only window whose procedure runs the work that
// other threads send or post to it.
#include "gui_thread.h"

#include <windows.h>

#include <utility>

namespace {

constexpr UINT kRunSentWork = WM_APP + 1;
constexpr UINT kRunPostedWork = WM_APP + 2;
constexpr const char* kDispatcherClass = "VellumryDispatcher";

DWORD guiThreadId = 0;
HWND dispatcher = nullptr;

LRESULT CALLBACK dispatcherProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case kRunSentWork:
        (*reinterpret_cast<const std::function<void()>*>(lParam))();
        return 0;
    case kRunPostedWork: {
        std::function<void()>* work = reinterpret_cast<std::function<void()>*>(lParam);
        (*work)();
        delete work;
        return 0;
    }
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

} // namespace

void startGuiThreadDispatcher() {
    guiThreadId = GetCurrentThreadId();
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = dispatcherProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kDispatcherClass;
    RegisterClassExA(&windowClass);
    dispatcher = CreateWindowExA(0, kDispatcherClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                 windowClass.hInstance, nullptr);
}

bool isGuiThread() {
    return GetCurrentThreadId() == guiThreadId;
}

void runOnGuiThread(const std::function<void()>& work) {
    if (isGuiThread()) {
        work();
        return;
    }
    SendMessageA(dispatcher, kRunSentWork, 0, reinterpret_cast<LPARAM>(&work));
}

bool postToGuiThread(std::function<void()> work) {
    auto* queued = new std::function<void()>(std::move(work));
    if (PostMessageA(dispatcher, kRunPostedWork, 0, reinterpret_cast<LPARAM>(queued))) return true;
    delete queued;
    return false;
}

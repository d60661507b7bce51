// Window lookup shared by all subcommands.
#include "program_windows.h"

#include <cstdlib>
#include <stdexcept>

namespace {

constexpr const char* kProgramVariable = "VELLUMRY_E2E_PROGRAM";
constexpr const char* kProgramFileName = "Vellumry.exe";
constexpr DWORD kActivationTimeoutMs = 2000;

std::string processImagePath(DWORD processId) {
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (!process) return {};
    char path[MAX_PATH * 2] = {};
    DWORD size = sizeof path;
    if (!QueryFullProcessImageNameA(process, 0, path, &size)) size = 0;
    CloseHandle(process);
    return std::string(path, size);
}

bool isProgramProcess(DWORD processId) {
    const std::string image = processImagePath(processId);
    if (const char* wanted = std::getenv(kProgramVariable); wanted && *wanted) {
        return lstrcmpiA(image.c_str(), wanted) == 0;
    }
    const auto slash = image.find_last_of('\\');
    const std::string name = slash == std::string::npos ? image : image.substr(slash + 1);
    return lstrcmpiA(name.c_str(), kProgramFileName) == 0;
}

bool isMainWindowCandidate(HWND window) {
    return GetMenu(window) != nullptr && windowClass(window) != "#32770";
}

template <typename Predicate> std::vector<HWND> topLevelWindows(Predicate accept) {
    struct Search {
        Predicate accept;
        std::vector<HWND> found;
    } search{accept, {}};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            if (s->accept(window)) s->found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

} // namespace

DWORD processOf(HWND window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    return processId;
}

std::string windowText(HWND window) {
    std::string text(GetWindowTextLengthA(window) + 1, '\0');
    text.resize(GetWindowTextA(window, text.data(), static_cast<int>(text.size())));
    return text;
}

std::string windowClass(HWND window) {
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

HWND findMainWindow() {
    const auto found = topLevelWindows(
        [](HWND w) { return isMainWindowCandidate(w) && isProgramProcess(processOf(w)); });
    return found.empty() ? nullptr : found.front();
}

HWND findMainWindowOf(DWORD processId) {
    const auto found = topLevelWindows(
        [processId](HWND w) { return processOf(w) == processId && isMainWindowCandidate(w); });
    return found.empty() ? nullptr : found.front();
}

HWND requireMainWindow() {
    HWND window = findMainWindow();
    if (!window) throw std::runtime_error("the program has no main window");
    return window;
}

HWND requireEditor(HWND mainWindow) {
    HWND editor = nullptr;
    long largest = -1;
    for (HWND child = GetWindow(mainWindow, GW_CHILD); child;
         child = GetWindow(child, GW_HWNDNEXT)) {
        RECT rect{};
        if (!IsWindowVisible(child) || !GetWindowRect(child, &rect)) continue;
        const long area = long(rect.right - rect.left) * (rect.bottom - rect.top);
        if (area > largest) {
            largest = area;
            editor = child;
        }
    }
    if (!editor) throw std::runtime_error("the main window has no visible child window");
    return editor;
}

std::vector<HWND> visibleMessageBoxes(DWORD processId) {
    return topLevelWindows([processId](HWND w) {
        return IsWindowVisible(w) && processOf(w) == processId && windowClass(w) == "#32770";
    });
}

LRESULT sendOrThrow(const char* what, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    constexpr UINT kAnswerTimeoutMs = 10000;
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kAnswerTimeoutMs,
                             &result)) {
        throw std::runtime_error(std::string(what) + " does not answer");
    }
    return static_cast<LRESULT>(result);
}

void activateWindow(HWND window) {
    SetForegroundWindow(window);
    const DWORD deadline = GetTickCount() + kActivationTimeoutMs;
    while (GetForegroundWindow() != window) {
        if (static_cast<long>(deadline - GetTickCount()) <= 0)
            throw std::runtime_error("cannot activate the main window");
        Sleep(10);
    }
}

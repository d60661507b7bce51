#include "notepad_wait.h"

#include <cstdio>
#include <cstring>

namespace {

struct Search {
    const char* fileName;
    HWND found;
};

BOOL CALLBACK findNotepad(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<Search*>(data);
    char className[32] = {};
    char caption[512] = {};
    GetClassNameA(window, className, sizeof className);
    // The caption is set after the text: it names the file once the text is in.
    if (lstrcmpiA(className, "Notepad") != 0 || !IsWindowVisible(window)) return TRUE;
    // Another process's caption is read without asking the busy window.
    GetWindowTextA(window, caption, sizeof caption);
    if (std::strstr(caption, search->fileName)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

long long epochMilliseconds() {
    FILETIME now{};
    GetSystemTimePreciseAsFileTime(&now);
    const unsigned long long ticks =
        (static_cast<unsigned long long>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
    constexpr unsigned long long kEpochOffset = 116444736000000000ULL; // 1601 to 1970 in 100 ns
    return static_cast<long long>((ticks - kEpochOffset) / 10000);
}

} // namespace

int waitForNotepad(const char* fileName, DWORD timeoutMs) {
    const DWORD deadline = GetTickCount() + timeoutMs;
    while (static_cast<long>(deadline - GetTickCount()) > 0) {
        Search search{fileName, nullptr};
        EnumWindows(findNotepad, reinterpret_cast<LPARAM>(&search));
        DWORD_PTR ignored = 0;
        if (search.found && SendMessageTimeoutA(search.found, WM_NULL, 0, 0, SMTO_NORMAL,
                                                deadline - GetTickCount(), &ignored)) {
            std::printf("shown-at %lld\n", epochMilliseconds());
            return 0;
        }
        Sleep(5);
    }
    std::printf("timeout\n");
    return 1;
}

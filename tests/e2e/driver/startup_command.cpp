// Measures the program's start-up: from asking the system to create its process to its main
// window being shown. Each run closes the program again as the close box would.
#include "command.h"
#include "output.h"
#include "program_windows.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr DWORD kShowTimeoutMs = 30000;
constexpr DWORD kExitTimeoutMs = 10000;

double elapsedMs(LARGE_INTEGER since) {
    LARGE_INTEGER now{};
    LARGE_INTEGER frequency{};
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(now.QuadPart - since.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

std::string directoryOf(const std::string& path) {
    return path.substr(0, path.find_last_of('\\'));
}

double timedStart(const std::string& program) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::string commandLine = "\"" + program + "\"";
    LARGE_INTEGER start{};
    QueryPerformanceCounter(&start);
    if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        directoryOf(program).c_str(), &startup, &process)) {
        throw std::runtime_error("cannot start " + program);
    }
    HWND window = nullptr;
    while (!(window = findMainWindowOf(process.dwProcessId)) || !IsWindowVisible(window)) {
        if (elapsedMs(start) > kShowTimeoutMs)
            throw std::runtime_error("the main window did not show");
        Sleep(1);
    }
    const double shownAfter = elapsedMs(start);
    PostMessageA(window, WM_CLOSE, 0, 0);
    const bool ended = WaitForSingleObject(process.hProcess, kExitTimeoutMs) == WAIT_OBJECT_0;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    if (!ended) throw std::runtime_error("the program did not end after closing its window");
    return shownAfter;
}

// "run <n> <ms>" per run, then "median <ms>".
int startupTime(Arguments args) {
    const long runs = numberArgument(args[1]);
    if (runs < 1) throw std::invalid_argument("at least one run");
    std::vector<double> times;
    for (long i = 1; i <= runs; ++i) {
        times.push_back(timedStart(args[0]));
        printLine("run " + std::to_string(i) + " " +
                  std::to_string(static_cast<long>(times.back() + 0.5)));
    }
    std::sort(times.begin(), times.end());
    const double median = times.size() % 2
                              ? times[times.size() / 2]
                              : (times[times.size() / 2 - 1] + times[times.size() / 2]) / 2;
    printField("median", static_cast<long>(median + 0.5));
    return 0;
}

constexpr Command kCommands[] = {
    {"startup-time", "<program file (Windows path)> <runs>", 2, 2, startupTime},
};

} // namespace

std::span<const Command> startupCommands() {
    return kCommands;
}

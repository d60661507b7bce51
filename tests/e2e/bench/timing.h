// Timing for the editor benchmark: a stopwatch, medians of repeated runs within a time
// budget, and a watchdog that ends the process with a report when one run takes too long
// to wait for (the platform's edit control can spend minutes laying out a novel).
#pragma once

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

class Stopwatch {
  public:
    Stopwatch() { QueryPerformanceCounter(&start_); }
    double milliseconds() const {
        LARGE_INTEGER now{};
        LARGE_INTEGER frequency{};
        QueryPerformanceCounter(&now);
        QueryPerformanceFrequency(&frequency);
        return 1000.0 * static_cast<double>(now.QuadPart - start_.QuadPart) /
               static_cast<double>(frequency.QuadPart);
    }

  private:
    LARGE_INTEGER start_{};
};

inline double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// The median time of `run`, repeated up to `runs` times while the time spent stays within
// `budgetMs`; it always runs once.
template <typename Run> double medianTime(Run run, std::size_t runs, double budgetMs) {
    std::vector<double> times;
    double spent = 0;
    while (times.size() < runs && (times.empty() || spent < budgetMs)) {
        const Stopwatch watch;
        run();
        times.push_back(watch.milliseconds());
        spent += times.back();
    }
    return median(times);
}

class Watchdog {
  public:
    // Unless disarmed within `milliseconds`, prints `report` and ends the process with 0.
    Watchdog(DWORD milliseconds, std::string report);
    ~Watchdog();
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

  private:
    static DWORD WINAPI watch(void* self);

    DWORD milliseconds_;
    std::string report_;
    HANDLE disarmed_;
    HANDLE thread_;
};

// Counts GDI and USER objects by walking what the process itself holds. Wine 8's
// GetGuiResources is a stub that answers 0, so the driver cannot ask the system.
#include "resource_report.h"

#include <windows.h>
#include <winternl.h>

#include <cstdint>
#include <map>

namespace {

// Wine keeps one GDI handle table per process, found through the PEB as on Windows. An entry
// whose type is 0 is free; the stock objects carry a flag in the low byte of `unique`.
struct GdiHandleEntry {
    std::uint64_t object;
    std::uint32_t owner;
    std::uint16_t unique;
    std::uint8_t type;
    std::uint8_t flags;
    std::uint64_t userPointer;
};
static_assert(sizeof(GdiHandleEntry) == 24);

constexpr std::size_t kPebGdiTableOffset = 0xF8; // PEB.GdiSharedHandleTable, 64-bit
constexpr int kGdiTableEntries = 0x10000;
constexpr std::uint16_t kStockFlag = 0x80;

// USER handles are 0x20 + 2 * slot; a handle without its upper word matches any generation.
constexpr unsigned kFirstUserHandle = 0x20;
constexpr unsigned kLastUserHandle = 0xFFEF;

std::string line(const char* key, const std::string& value) {
    return std::string(key) + " " + value + "\n";
}
std::string line(const char* key, long value) {
    return line(key, std::to_string(value));
}

const GdiHandleEntry* gdiTable() {
    PROCESS_BASIC_INFORMATION basics{};
    if (!NT_SUCCESS(NtQueryInformationProcess(GetCurrentProcess(), ProcessBasicInformation, &basics,
                                              sizeof basics, nullptr))) {
        return nullptr;
    }
    const auto* peb = reinterpret_cast<const char*>(basics.PebBaseAddress);
    return *reinterpret_cast<const GdiHandleEntry* const*>(peb + kPebGdiTableOffset);
}

std::string gdiReport() {
    const GdiHandleEntry* table = gdiTable();
    if (!table) return line("gdi-objects", "unknown");
    std::map<int, long> byType;
    long count = 0;
    for (int i = 0; i < kGdiTableEntries; ++i) {
        const GdiHandleEntry& entry = table[i];
        if (entry.type == 0 || (entry.unique & kStockFlag)) continue;
        ++count;
        ++byType[entry.type];
    }
    std::string types;
    for (const auto& [type, n] : byType) {
        if (!types.empty()) types += ' ';
        types += std::to_string(type);
        types += '=';
        types += std::to_string(n);
    }
    return line("gdi-objects", count) + line("gdi-types", types.empty() ? "none" : types);
}

// Every window of this process: top-level ones (also hidden and message-only ones) and all
// their descendants.
struct WindowCount {
    DWORD process = GetCurrentProcessId();
    long windows = 0;
};

BOOL CALLBACK countChild(HWND, LPARAM data) {
    ++reinterpret_cast<WindowCount*>(data)->windows;
    return TRUE;
}

void countWithChildren(HWND window, WindowCount& count) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != count.process) return;
    ++count.windows;
    EnumChildWindows(window, countChild, reinterpret_cast<LPARAM>(&count));
}

long windowCount() {
    WindowCount count;
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            countWithChildren(window, *reinterpret_cast<WindowCount*>(data));
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    for (HWND window = FindWindowExA(HWND_MESSAGE, nullptr, nullptr, nullptr); window;
         window = FindWindowExA(HWND_MESSAGE, window, nullptr, nullptr)) {
        countWithChildren(window, count);
    }
    return count.windows;
}

// Asking for an icon's bitmaps makes copies of them, which are deleted again at once.
bool isIcon(HANDLE handle) {
    ICONINFO info{};
    if (!GetIconInfo(static_cast<HICON>(handle), &info)) return false;
    if (info.hbmMask) DeleteObject(info.hbmMask);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    return true;
}

std::string userReport() {
    long menus = 0;
    long icons = 0;
    long accelerators = 0;
    for (unsigned value = kFirstUserHandle; value <= kLastUserHandle; value += 2) {
        auto handle = reinterpret_cast<HANDLE>(static_cast<std::uintptr_t>(value));
        if (IsMenu(static_cast<HMENU>(handle))) {
            ++menus;
        } else if (CopyAcceleratorTableA(static_cast<HACCEL>(handle), nullptr, 0) > 0) {
            ++accelerators;
        } else if (isIcon(handle)) {
            ++icons;
        }
    }
    const long windows = windowCount();
    return line("windows", windows) + line("menus", menus) + line("icons", icons) +
           line("accelerator-tables", accelerators) +
           line("user-objects", windows + menus + icons + accelerators);
}

} // namespace

std::string guiObjectsReport() {
    // GDI first: asking for icons' bitmaps creates objects for a moment.
    return gdiReport() + userReport();
}

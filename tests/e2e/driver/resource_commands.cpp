// The program's use of the machine, for the soak run: its memory, kernel handles, GDI and USER
// objects. Under Wine 8 GetProcessHandleCount, GetGuiResources and the private-usage counter
// all answer 0, so the figures are counted: memory from the regions of the address space,
// handles from the system's handle table, GDI and USER objects by the probe inside the
// program. What the system reports is printed beside them as "reported-...".
#include "command.h"
#include "output.h"
#include "probe_client.h"
#include "process_handle.h"
#include "program_windows.h"

#include <psapi.h>
#include <winternl.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr auto kSystemHandleInformation = static_cast<SYSTEM_INFORMATION_CLASS>(16);
constexpr NTSTATUS kInfoLengthMismatch = static_cast<NTSTATUS>(0xC0000004L);

struct SystemHandleEntry {
    ULONG ownerProcessId;
    BYTE objectType;
    BYTE flags;
    USHORT value;
    PVOID object;
    ACCESS_MASK access;
};

struct SystemHandleTable {
    ULONG count;
    SystemHandleEntry entries[1];
};

void printBytes(const char* key, unsigned long long value) {
    printField(key, std::to_string(value));
}

// Committed memory that belongs to the process alone: its heaps, stacks and private
// allocations, not the images and files it maps.
unsigned long long committedPrivateBytes(HANDLE process) {
    unsigned long long bytes = 0;
    MEMORY_BASIC_INFORMATION region{};
    for (const char* address = nullptr;
         VirtualQueryEx(process, address, &region, sizeof region) == sizeof region;
         address = static_cast<const char*>(region.BaseAddress) + region.RegionSize) {
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) bytes += region.RegionSize;
    }
    return bytes;
}

long handlesOwnedBy(DWORD processId) {
    std::vector<char> buffer(256 * 1024);
    NTSTATUS status;
    while ((status = NtQuerySystemInformation(kSystemHandleInformation, buffer.data(),
                                              static_cast<ULONG>(buffer.size()), nullptr)) ==
           kInfoLengthMismatch) {
        buffer.resize(buffer.size() * 2);
    }
    if (!NT_SUCCESS(status)) throw std::runtime_error("cannot read the system's handle table");
    const auto* table = reinterpret_cast<const SystemHandleTable*>(buffer.data());
    long count = 0;
    for (ULONG i = 0; i < table->count; ++i) {
        if (table->entries[i].ownerProcessId == processId) ++count;
    }
    return count;
}

void printProbeLines(const std::string& reply) {
    std::size_t begin = 0;
    while (begin < reply.size()) {
        const std::size_t end = reply.find('\n', begin);
        printLine(reply.substr(begin, end - begin));
        begin = end == std::string::npos ? reply.size() : end + 1;
    }
}

// Memory and handles first, while no probe is loaded into the program.
int resources(Arguments) {
    HWND window = requireMainWindow();
    const DWORD processId = processOf(window);
    ProcessHandle process(processId, PROCESS_QUERY_INFORMATION | PROCESS_VM_READ);
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof memory;
    if (!GetProcessMemoryInfo(process.get(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                              sizeof memory)) {
        throw std::runtime_error("cannot read the program's memory counters");
    }
    DWORD reportedHandles = 0;
    GetProcessHandleCount(process.get(), &reportedHandles);
    printField("process", static_cast<long>(processId));
    printBytes("private-bytes", committedPrivateBytes(process.get()));
    printBytes("working-set", memory.WorkingSetSize);
    printBytes("pagefile-usage", memory.PagefileUsage);
    printField("handles", handlesOwnedBy(processId));
    printProbeLines(askProbe(window, ProbeRequest::guiObjects));
    printBytes("reported-private-bytes", memory.PrivateUsage);
    printField("reported-handles", static_cast<long>(reportedHandles));
    printField("reported-gdi-objects",
               static_cast<long>(GetGuiResources(process.get(), GR_GDIOBJECTS)));
    printField("reported-user-objects",
               static_cast<long>(GetGuiResources(process.get(), GR_USEROBJECTS)));
    return 0;
}

constexpr Command kCommands[] = {
    {"resources", "", 0, 0, resources},
};

} // namespace

std::span<const Command> resourceCommands() {
    return kCommands;
}

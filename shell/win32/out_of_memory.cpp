// The program's global allocation functions: an allocation that fails ends the run with
// the fatal error box naming the number of bytes asked for, which a new-handler could
// not know.
#include "fatal_exit.h"

#include <windows.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<bool> reportingFailure{false};

[[noreturn]] void failAllocation(std::size_t size) {
    // Building the box text allocates too; if that fails as well there is nothing left
    // to show, so the second failure ends the process at once.
    if (reportingFailure.exchange(true)) ExitProcess(static_cast<UINT>(kFatalExitCode));
    exitWithFatalError(outOfMemoryError(size));
}

void* allocate(std::size_t size) {
    return std::malloc(size == 0 ? 1 : size);
}

} // namespace

void* operator new(std::size_t size) {
    if (void* block = allocate(size)) return block;
    failAllocation(size);
}

void* operator new[](std::size_t size) {
    if (void* block = allocate(size)) return block;
    failAllocation(size);
}

// Callers of the nothrow forms cope with a null result themselves.
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return allocate(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return allocate(size);
}

void operator delete(void* block) noexcept {
    std::free(block);
}
void operator delete[](void* block) noexcept {
    std::free(block);
}
void operator delete(void* block, std::size_t) noexcept {
    std::free(block);
}
void operator delete[](void* block, std::size_t) noexcept {
    std::free(block);
}
void operator delete(void* block, const std::nothrow_t&) noexcept {
    std::free(block);
}
void operator delete[](void* block, const std::nothrow_t&) noexcept {
    std::free(block);
}

// Plays another program that keeps a file open without sharing it, so that nobody else may
// open, replace or delete it meanwhile, or sharing only reading, as a viewer that forbids
// changes does. Permissions cannot stop the program from writing (the tests run as root); a
// file held this way can.
#include "command.h"
#include "output.h"

#include <windows.h>

#include <stdexcept>
#include <string>

namespace {

constexpr const char* kReleaseEventName = "Local\\VellumryE2eReleaseHeldFile";

class OwnedHandle {
  public:
    explicit OwnedHandle(HANDLE handle) : handle_(handle) {}
    ~OwnedHandle() {
        if (handle_ && handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
    }
    OwnedHandle(const OwnedHandle&) = delete;
    OwnedHandle& operator=(const OwnedHandle&) = delete;
    HANDLE get() const { return handle_; }

  private:
    HANDLE handle_;
};

DWORD sharing(Arguments args) {
    if (args.size() < 3 || std::string(args[2]) == "none") return 0;
    if (std::string(args[2]) == "read") return FILE_SHARE_READ;
    throw std::invalid_argument("sharing is none or read, not " + std::string(args[2]));
}

// Prints "held <path>" once the file is open, then keeps it until release-file is run or
// the time is up; the last line is "released" (exit code 0) or "timed-out" (exit code 1).
int holdFile(Arguments args) {
    // Made before the file is opened, so that a release given at once is not missed.
    OwnedHandle release(CreateEventA(nullptr, TRUE, FALSE, kReleaseEventName));
    if (!release.get()) throw std::runtime_error("cannot create the release event");
    OwnedHandle file(CreateFileA(args[0], GENERIC_READ | GENERIC_WRITE, sharing(args), nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE)
        throw std::runtime_error("cannot open " + std::string(args[0]) + " (error " +
                                 std::to_string(GetLastError()) + ")");
    printField("held", args[0]);
    const bool released =
        WaitForSingleObject(release.get(), static_cast<DWORD>(numberArgument(args[1]))) ==
        WAIT_OBJECT_0;
    printLine(released ? "released" : "timed-out");
    return released ? 0 : 1;
}

int releaseFile(Arguments) {
    OwnedHandle release(OpenEventA(EVENT_MODIFY_STATE, FALSE, kReleaseEventName));
    if (!release.get()) throw std::runtime_error("no file is held");
    SetEvent(release.get());
    printLine("released");
    return 0;
}

constexpr Command kCommands[] = {
    {"hold-file", "<file (Windows path)> <at most ms> [none|read: what others may do]", 2, 3,
     holdFile},
    {"release-file", "", 0, 0, releaseFile},
};

} // namespace

std::span<const Command> heldFileCommands() {
    return kCommands;
}

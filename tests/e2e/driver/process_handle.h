// An open handle to the program's process, closed again when it goes out of scope.
#pragma once

#include <windows.h>

#include <stdexcept>

class ProcessHandle {
  public:
    ProcessHandle(DWORD processId, DWORD access) : handle_(OpenProcess(access, FALSE, processId)) {
        if (!handle_) throw std::runtime_error("cannot open the program's process");
    }
    ~ProcessHandle() { CloseHandle(handle_); }
    ProcessHandle(const ProcessHandle&) = delete;
    ProcessHandle& operator=(const ProcessHandle&) = delete;
    HANDLE get() const { return handle_; }

  private:
    HANDLE handle_;
};

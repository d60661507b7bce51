// The driver's side of the probe: install the hook for one request, send the request
// message, read the reply from the shared block, remove the hook.
#include "probe_client.h"

#include <stdexcept>

namespace {

constexpr UINT kProbeTimeoutMs = 5000;

std::string probePath() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string directory(path, length);
    directory.resize(directory.find_last_of('\\') + 1);
    return directory + kProbeDllName;
}

class SharedBlock {
  public:
    SharedBlock() {
        mapping_ = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                      sizeof(ProbeBlock), kProbeMappingName);
        if (!mapping_) throw std::runtime_error("cannot create the probe's shared block");
        block_ = static_cast<ProbeBlock*>(
            MapViewOfFile(mapping_, FILE_MAP_WRITE, 0, 0, sizeof(ProbeBlock)));
        if (!block_) throw std::runtime_error("cannot map the probe's shared block");
        block_->answered = 0;
        block_->replyLength = 0;
    }
    ~SharedBlock() {
        if (block_) UnmapViewOfFile(block_);
        CloseHandle(mapping_);
    }
    SharedBlock(const SharedBlock&) = delete;
    SharedBlock& operator=(const SharedBlock&) = delete;
    const ProbeBlock& block() const { return *block_; }

  private:
    HANDLE mapping_ = nullptr;
    ProbeBlock* block_ = nullptr;
};

class InstalledHook {
  public:
    explicit InstalledHook(DWORD threadId) {
        module_ = LoadLibraryA(probePath().c_str());
        if (!module_) throw std::runtime_error("cannot load " + probePath());
        // Through void*: GetProcAddress's FARPROC has no parameters, the hook procedure has three.
        auto procedure = reinterpret_cast<HOOKPROC>(
            reinterpret_cast<void*>(GetProcAddress(module_, kProbeHookName)));
        hook_ =
            procedure ? SetWindowsHookExA(WH_CALLWNDPROC, procedure, module_, threadId) : nullptr;
        if (!hook_) throw std::runtime_error("cannot hook the program's GUI thread");
    }
    ~InstalledHook() {
        if (hook_) UnhookWindowsHookEx(hook_);
        FreeLibrary(module_);
    }
    InstalledHook(const InstalledHook&) = delete;
    InstalledHook& operator=(const InstalledHook&) = delete;

  private:
    HMODULE module_ = nullptr;
    HHOOK hook_ = nullptr;
};

} // namespace

std::string askProbe(HWND window, ProbeRequest request, HWND target) {
    SharedBlock shared;
    InstalledHook hook(GetWindowThreadProcessId(window, nullptr));
    DWORD_PTR result = 0;
    const UINT message = RegisterWindowMessageA(kProbeMessageName);
    SendMessageTimeoutA(window, message, static_cast<WPARAM>(request),
                        reinterpret_cast<LPARAM>(target), SMTO_ABORTIFHUNG, kProbeTimeoutMs,
                        &result);
    if (!shared.block().answered) throw std::runtime_error("the probe did not answer");
    return std::string(shared.block().reply, shared.block().replyLength);
}

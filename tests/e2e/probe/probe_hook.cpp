// The probe: a hook procedure that the driver installs on a thread of the program (the GUI
// thread, or the one showing a message box). When the driver sends the request message to a
// window of that thread, it reads what was asked for from inside the program and writes the
// text reply into the shared block.
#include "box_report.h"
#include "editor_report.h"
#include "menu_report.h"
#include "probe_protocol.h"
#include "resource_report.h"

#include <windows.h>

#include <algorithm>
#include <cstring>

namespace {

// Paints what is waiting to be painted, without invalidating anything, so that a screenshot
// taken afterwards shows the window as the program has drawn it.
std::string finishPainting(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    GdiFlush();
    return "painted\n";
}

std::string replyFor(ProbeRequest request, HWND window, HWND target) {
    switch (request) {
    case ProbeRequest::menuBar:
        return menuBarReport(window);
    case ProbeRequest::editorFont:
        return editorFontReport(target);
    case ProbeRequest::editorColours:
        return editorColoursReport(target);
    case ProbeRequest::finishPainting:
        return finishPainting(window);
    case ProbeRequest::boxIcon:
        return boxIconReport(target);
    case ProbeRequest::guiObjects:
        return guiObjectsReport();
    }
    return "unknown request\n";
}

void answer(const CWPSTRUCT& call) {
    HANDLE mapping = OpenFileMappingA(FILE_MAP_WRITE, FALSE, kProbeMappingName);
    if (!mapping) return;
    if (auto* block = static_cast<ProbeBlock*>(
            MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, sizeof(ProbeBlock)))) {
        const std::string reply = replyFor(static_cast<ProbeRequest>(call.wParam), call.hwnd,
                                           reinterpret_cast<HWND>(call.lParam));
        const auto length =
            static_cast<std::uint32_t>(std::min<std::size_t>(reply.size(), kProbeReplyCapacity));
        std::memcpy(block->reply, reply.data(), length);
        block->replyLength = length;
        block->answered = 1;
        UnmapViewOfFile(block);
    }
    CloseHandle(mapping);
}

} // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK
    probeHook(int code, WPARAM wParam, LPARAM lParam) {
    static const UINT requestMessage = RegisterWindowMessageA(kProbeMessageName);
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && call->message == requestMessage) answer(*call);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

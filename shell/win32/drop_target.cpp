// Accepts dropped shell files and hands their paths to the GUI thread's event loop.
#include "drop_target.h"

#include "gui_thread.h"
#include "shell/control_rules.h"
#include "shell/window_definitions.h"

#include <shellapi.h>

#include <utility>
#include <vector>

namespace {

FORMATETC fileListFormat() {
    return {CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
}

bool carriesFiles(IDataObject* data) {
    FORMATETC format = fileListFormat();
    return data && data->QueryGetData(&format) == S_OK;
}

// Copying or linking only: a move would tell the shell to delete the file it dragged.
DWORD chosenEffect(bool accepted, DWORD allowed) {
    if (!accepted) return DROPEFFECT_NONE;
    if (allowed & DROPEFFECT_COPY) return DROPEFFECT_COPY;
    return allowed & DROPEFFECT_LINK;
}

std::vector<Text> droppedPaths(IDataObject* data) {
    FORMATETC format = fileListFormat();
    STGMEDIUM medium{};
    std::vector<Text> paths;
    if (data->GetData(&format, &medium) != S_OK) return paths;
    HDROP drop = static_cast<HDROP>(medium.hGlobal);
    UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        Text path(DragQueryFileA(drop, i, nullptr, 0), '\0');
        DragQueryFileA(drop, i, path.data(), static_cast<UINT>(path.size()) + 1);
        paths.push_back(std::move(path));
    }
    ReleaseStgMedium(&medium);
    return paths;
}

} // namespace

bool DropTarget::registerOn(HWND window) {
    if (window_ || RegisterDragDrop(window, this) != S_OK) return false;
    window_ = window;
    return true;
}

void DropTarget::revoke() {
    if (window_) RevokeDragDrop(window_);
}

HRESULT DropTarget::QueryInterface(REFIID id, void** object) {
    if (id == IID_IUnknown || id == IID_IDropTarget) {
        *object = static_cast<IDropTarget*>(this);
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

// The object lives as long as the host, so counting references has nothing to free.
ULONG DropTarget::AddRef() {
    return 1;
}
ULONG DropTarget::Release() {
    return 1;
}

HRESULT DropTarget::DragEnter(IDataObject* data, DWORD, POINTL, DWORD* effect) {
    carriesFiles_ = carriesFiles(data);
    *effect = chosenEffect(carriesFiles_, *effect);
    return S_OK;
}

HRESULT DropTarget::DragOver(DWORD, POINTL, DWORD* effect) {
    *effect = chosenEffect(carriesFiles_, *effect);
    return S_OK;
}

HRESULT DropTarget::DragLeave() {
    carriesFiles_ = false;
    return S_OK;
}

HRESULT DropTarget::Drop(IDataObject* data, DWORD, POINTL, DWORD* effect) {
    carriesFiles_ = false;
    if (!carriesFiles(data)) {
        *effect = DROPEFFECT_NONE;
        return S_OK;
    }
    *effect = chosenEffect(true, *effect);
    std::vector<Text> paths = droppedPaths(data);
    if (paths.empty()) return S_OK;
    // Raised after Drop returns, so the program dragging the files is not held up
    // while the handler loads the document.
    postToGuiThread([text = droppedFilesText(paths)] {
        if (kEvents.fileDropped) kEvents.fileDropped(text);
    });
    return S_OK;
}

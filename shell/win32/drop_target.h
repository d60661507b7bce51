// The drop object 拖放对象1: an OLE drop target that accepts files from the shell
// (CF_HDROP) and nothing else, and raises the got-file event for each drop.
#pragma once

#include <ole2.h>

class DropTarget final : public IDropTarget {
  public:
    // False when a window is already registered or the platform refuses.
    bool registerOn(HWND window);
    // Called while the registered window is being destroyed.
    void revoke();

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keys, POINTL point,
                                        DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL point, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragLeave() override;
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL point,
                                   DWORD* effect) override;

  private:
    HWND window_ = nullptr;
    bool carriesFiles_ = false; // what the drag under way holds
};

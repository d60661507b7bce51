// A CF_HDROP data object as the shell builds one: a DROPFILES header followed by the wide
// paths, each ended by a NUL, and one more NUL after the last.
#include "file_list_data.h"

#include <shlobj.h>

#include <cstring>

namespace {

FORMATETC fileListFormat() {
    return {CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
}

bool isFileListFormat(const FORMATETC* format) {
    return format && format->cfFormat == CF_HDROP && format->dwAspect == DVASPECT_CONTENT &&
           (format->tymed & TYMED_HGLOBAL);
}

} // namespace

HRESULT FileListData::QueryInterface(REFIID id, void** object) {
    if (id == IID_IUnknown || id == IID_IDataObject) {
        *object = static_cast<IDataObject*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

// The object lives on the stack of the one drop it serves, so the count frees nothing.
ULONG FileListData::AddRef() {
    return InterlockedIncrement(&references_);
}

ULONG FileListData::Release() {
    return InterlockedDecrement(&references_);
}

HGLOBAL FileListData::fileListBlock() const {
    std::wstring list;
    for (const std::wstring& path : paths_)
        list += path + L'\0';
    list += L'\0';
    const std::size_t listBytes = list.size() * sizeof(wchar_t);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + listBytes);
    if (!block) return nullptr;
    auto* header = static_cast<DROPFILES*>(GlobalLock(block));
    header->pFiles = sizeof(DROPFILES);
    header->fWide = TRUE;
    std::memcpy(reinterpret_cast<char*>(header) + sizeof(DROPFILES), list.data(), listBytes);
    GlobalUnlock(block);
    return block;
}

HRESULT FileListData::GetData(FORMATETC* format, STGMEDIUM* medium) {
    if (!isFileListFormat(format)) return DV_E_FORMATETC;
    HGLOBAL block = fileListBlock();
    if (!block) return E_OUTOFMEMORY;
    medium->tymed = TYMED_HGLOBAL;
    medium->hGlobal = block;
    medium->pUnkForRelease = nullptr;
    return S_OK;
}

HRESULT FileListData::GetDataHere(FORMATETC*, STGMEDIUM*) {
    return E_NOTIMPL;
}

HRESULT FileListData::QueryGetData(FORMATETC* format) {
    return isFileListFormat(format) ? S_OK : DV_E_FORMATETC;
}

HRESULT FileListData::GetCanonicalFormatEtc(FORMATETC*, FORMATETC* canonical) {
    if (canonical) canonical->ptd = nullptr;
    return E_NOTIMPL;
}

HRESULT FileListData::SetData(FORMATETC*, STGMEDIUM*, BOOL) {
    return E_NOTIMPL;
}

HRESULT FileListData::EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats) {
    if (direction != DATADIR_GET) return E_NOTIMPL;
    FORMATETC format = fileListFormat();
    return SHCreateStdEnumFmtEtc(1, &format, formats);
}

HRESULT FileListData::DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) {
    return OLE_E_ADVISENOTSUPPORTED;
}

HRESULT FileListData::DUnadvise(DWORD) {
    return OLE_E_ADVISENOTSUPPORTED;
}

HRESULT FileListData::EnumDAdvise(IEnumSTATDATA**) {
    return OLE_E_ADVISENOTSUPPORTED;
}

// Drops files onto the editor with OLE drag and drop, as a drag from the shell would: the
// driver is the drag source, carries the mouse onto a visible point of the editor and lets go
// there once the editor has said that it takes the files.
#include "command.h"
#include "file_list_data.h"
#include "output.h"
#include "program_windows.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace {

// The drag loop asks the source again about every 50 ms; this bounds the wait for the
// editor's answer to a few seconds.
constexpr int kMaxQuestions = 100;
constexpr int kGridSteps = 8;

class CursorDropSource final : public IDropSource {
  public:
    explicit CursorDropSource(POINT target) : target_(target) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        if (id == IID_IUnknown || id == IID_IDropSource) {
            *object = static_cast<IDropSource*>(this);
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    // Lives on the stack for the one drag it serves.
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    // The key state that Wine passes in always says the button is up, so it is not read:
    // the source decides alone when to let go.
    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escapePressed, DWORD) override {
        if (escapePressed || ++questions_ > kMaxQuestions) return DRAGDROP_S_CANCEL;
        if (accepted_) return DRAGDROP_S_DROP;
        SetCursorPos(target_.x, target_.y);
        return S_OK;
    }

    // Called with the effect that the window under the cursor chose in DragEnter or DragOver.
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD effect) override {
        POINT cursor{};
        GetCursorPos(&cursor);
        accepted_ = effect != DROPEFFECT_NONE && cursor.x == target_.x && cursor.y == target_.y;
        return DRAGDROP_S_USEDEFAULTCURSORS;
    }

  private:
    POINT target_;
    int questions_ = 0;
    bool accepted_ = false;
};

bool isEditorAt(HWND editor, POINT point) {
    HWND hit = WindowFromPoint(point);
    return hit == editor || IsChild(editor, hit);
}

// The editor's centre, or else the first point of a grid over it that no other window covers.
POINT visiblePointOf(HWND editor) {
    RECT r{};
    GetWindowRect(editor, &r);
    POINT centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    if (isEditorAt(editor, centre)) return centre;
    for (int row = 1; row < kGridSteps; ++row) {
        for (int column = 1; column < kGridSteps; ++column) {
            POINT point{r.left + (r.right - r.left) * column / kGridSteps,
                        r.top + (r.bottom - r.top) * row / kGridSteps};
            if (isEditorAt(editor, point)) return point;
        }
    }
    throw std::runtime_error("no point of the editor is visible");
}

std::wstring widePath(const char* path) {
    const int length = MultiByteToWideChar(CP_ACP, 0, path, -1, nullptr, 0);
    std::wstring wide(length, L'\0');
    MultiByteToWideChar(CP_ACP, 0, path, -1, wide.data(), length);
    wide.resize(length - 1);
    return wide;
}

const char* effectName(DWORD effect) {
    if (effect & DROPEFFECT_COPY) return "copy";
    if (effect & DROPEFFECT_LINK) return "link";
    if (effect & DROPEFFECT_MOVE) return "move";
    return "none";
}

class OleSession {
  public:
    OleSession() {
        if (FAILED(OleInitialize(nullptr))) throw std::runtime_error("OleInitialize failed");
    }
    ~OleSession() { OleUninitialize(); }
    OleSession(const OleSession&) = delete;
    OleSession& operator=(const OleSession&) = delete;
};

// "dropped-at <x> <y>" on the screen, then "effect <copy|link|move|none>".
int dropFiles(Arguments args) {
    std::vector<std::wstring> paths;
    for (char* path : args)
        paths.push_back(widePath(path));
    const POINT target = visiblePointOf(requireEditor(requireMainWindow()));
    OleSession ole;
    FileListData data(std::move(paths));
    CursorDropSource source(target);
    DWORD effect = DROPEFFECT_NONE;
    const HRESULT result =
        DoDragDrop(&data, &source, DROPEFFECT_COPY | DROPEFFECT_LINK | DROPEFFECT_MOVE, &effect);
    if (result != DRAGDROP_S_DROP)
        throw std::runtime_error("the editor did not take the files (" +
                                 hexText(static_cast<unsigned long>(result), 8) + ")");
    printLine("dropped-at " + std::to_string(target.x) + " " + std::to_string(target.y));
    printField("effect", effectName(effect));
    return 0;
}

constexpr Command kCommands[] = {
    {"drop-files", "<file (Windows path)>...", 1, 16, dropFiles},
};

} // namespace

std::span<const Command> dropCommands() {
    return kCommands;
}

// The open and save dialogs of 通用对话框1.
#include "common_dialog.h"

#include "shell/control_rules.h"

#include <commdlg.h>

#include <vector>

namespace {

// Room for the longest path the file functions accept.
constexpr std::size_t kPathBuffer = 32768;

// The platform's filter list: description and pattern pairs, each ended by a NUL, and
// one more NUL at the end. An entry without a pattern matches its description, which
// is how a bare "*.txt" filter becomes one usable entry.
Bytes filterList(const Text& filter) {
    Bytes list;
    for (const FilterEntry& entry : fileDialogFilterEntries(filter)) {
        list += entry.description;
        list += '\0';
        list += entry.pattern.empty() ? entry.description : entry.pattern;
        list += '\0';
    }
    if (!list.empty()) list += '\0';
    return list;
}

DWORD dialogFlags(const CommonDialogState& dialog) {
    DWORD flags = OFN_EXPLORER | OFN_HIDEREADONLY;
    if (dialog.createPrompt) flags |= OFN_CREATEPROMPT;
    if (dialog.fileMustExist) flags |= OFN_FILEMUSTEXIST;
    if (dialog.overwritePrompt) flags |= OFN_OVERWRITEPROMPT;
    if (dialog.pathMustExist) flags |= OFN_PATHMUSTEXIST;
    if (dialog.keepCurrentDirectory) flags |= OFN_NOCHANGEDIR;
    return flags;
}

const char* unlessEmpty(const Text& text) {
    return text.empty() ? nullptr : text.c_str();
}

} // namespace

Text showFileDialog(CommonDialogState& dialog, HWND owner) {
    Bytes filter = filterList(dialog.filter);
    std::vector<char> file(kPathBuffer, '\0');
    dialog.fileName.copy(file.data(), file.size() - 1);

    OPENFILENAMEA request{};
    request.lStructSize = sizeof(request);
    request.hwndOwner = owner;
    request.lpstrFilter = filter.empty() ? nullptr : filter.data();
    request.nFilterIndex = filter.empty() ? 0 : fileDialogFirstEntry(dialog.initialFilterIndex);
    request.lpstrFile = file.data();
    request.nMaxFile = static_cast<DWORD>(file.size());
    request.lpstrInitialDir = unlessEmpty(dialog.initialDirectory);
    request.lpstrTitle = unlessEmpty(dialog.title);
    request.lpstrDefExt = unlessEmpty(dialog.defaultExtension);
    request.Flags = dialogFlags(dialog);

    bool accepted = dialog.kind == FileDialogKind::open ? GetOpenFileNameA(&request)
                                                        : GetSaveFileNameA(&request);
    if (!accepted) return "";
    dialog.fileName = file.data();
    return dialog.fileName;
}

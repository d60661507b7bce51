#include "edit_history.h"

#include <utility>

bool EditHistory::continues(EditKind kind, const Edit& edit) const {
    if (!last_ || !open_ || kind != kind_) return false;
    switch (kind) {
    case EditKind::Typing:
        return edit.removed.empty() && edit.position == last_->position + last_->inserted.size();
    case EditKind::Backspace:
        return edit.inserted.empty() && last_->inserted.empty() &&
               edit.position + edit.removed.size() == last_->position;
    case EditKind::Delete:
        return edit.inserted.empty() && last_->inserted.empty() && edit.position == last_->position;
    case EditKind::Other:
        return false;
    }
    return false;
}

void EditHistory::record(EditKind kind, Edit edit) {
    if (continues(kind, edit)) {
        if (kind == EditKind::Typing) last_->inserted += edit.inserted;
        if (kind == EditKind::Backspace) {
            last_->removed.insert(0, edit.removed);
            last_->position = edit.position;
        }
        if (kind == EditKind::Delete) last_->removed += edit.removed;
        return;
    }
    last_ = std::move(edit);
    kind_ = kind;
    open_ = kind != EditKind::Other;
}

std::optional<Edit> EditHistory::undo() {
    if (!last_) return std::nullopt;
    std::swap(last_->removed, last_->inserted);
    open_ = false;
    return last_;
}

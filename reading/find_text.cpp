#include "find_text.h"

#include "core/reader_state.h"
#include "shell/host_services.h"
#include "shell/text_rules.h"

void handleFindText() {
    host().openFindWindow();
}

// A search that finds nothing leaves the reading place where it was: selecting the
// start of the text instead would lose it.
void handleFindButton() {
    const int found = findText(host().getEditorText(), host().getFindBoxText());
    if (found == -1) {
        host().beep();
        return;
    }
    reader.foundPosition = found - 1;
    host().setSelectionStart(reader.foundPosition);
    host().setSelectionLength(textByteLength(host().getFindBoxText()));
    host().focusEditor();
}

// The find window: selects the first occurrence of its text in the document.
#pragma once

void handleFindText();
void handleFindButton();

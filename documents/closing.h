// Ending a document or the program: close document, exit, and the close prompts.
#pragma once

void handleCloseDocument();
void handleExit();
// false keeps the main window open.
bool handleCanBeClosed();

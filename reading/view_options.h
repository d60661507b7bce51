// How the document is shown: read-only, always on top, font, help, layout, and the
// periodic saving of the reading position.
#pragma once

void handleReadOnly();
void handleAlwaysOnTop();
void handleFont();
void handleHelp();
void handleWindowResized();
void handleSavePositionToggle();
void handlePositionTick();

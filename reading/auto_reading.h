// Auto-reading: the reading block moves through the text on 时钟1, at a pace and width
// the user changes from the "自动阅读 " menu or the hotkeys.
#pragma once

#include "shell/text.h"

void handleAutoReadTick();
void handleFaster();
void handleSlower();
void handleLonger();
void handleShorter();
void handleAutoReadToggle();

// "阅读方形 (" + length + ")"
Text blockCaption();

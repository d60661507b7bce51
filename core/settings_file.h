// Where the settings file lives and the reads and writes that every handler uses.
#pragma once

#include "shell/text.h"

// The settings file beside the program, built anew for every access.
Text settingsFilePath();

Text readSettingValue(const Text& section, const Text& key);
void writeSettingValue(const Text& section, const Text& key, const Text& value);

// "清除上次阅读痕迹": deletes the settings file, nothing else.
void handleClearTraces();

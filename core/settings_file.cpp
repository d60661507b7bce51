#include "settings_file.h"

#include "shell/host_services.h"

Text settingsFilePath() {
    return host().programDirectory() + "\\配置文件.ini";
}

Text readSettingValue(const Text& section, const Text& key) {
    return host().readSetting(settingsFilePath(), section, key);
}

// The result is not looked at: a settings file that cannot be written must not stop
// the reader.
void writeSettingValue(const Text& section, const Text& key, const Text& value) {
    host().writeSetting(settingsFilePath(), section, key, value);
}

void handleClearTraces() {
    host().deleteFile(settingsFilePath());
}

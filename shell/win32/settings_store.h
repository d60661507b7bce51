// The settings file as the host services read and write it: the shared INI engine over
// the file's bytes, with writes that a crash cannot leave half done.
#pragma once

#include "shell/text.h"

#include <mutex>

class SettingsStore {
  public:
    Text read(const Text& path, const Text& section, const Text& key);
    bool write(const Text& path, const Text& section, const Text& key, const Text& value);

  private:
    // Reads and read-modify-writes from several threads never interleave, and no read
    // holds the file open while a write swaps the new one in.
    std::mutex lock_;
};

// The platform's side of the comparison: a scratch folder and the profile functions.
#pragma once

#include "shell/text.h"

#include <optional>
#include <string>

// A fresh folder under the user's temporary folder, removed with its files at the end.
class ScratchFolder {
  public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    bool ready() const { return !path_.empty(); }
    // A file name of its own for every case: the profile functions cache what they read.
    std::string fileFor(int caseNumber) const;

  private:
    std::string path_;
};

// The file's bytes, or std::nullopt when it does not exist.
std::optional<Bytes> fileBytes(const std::string& path);
bool putFileBytes(const std::string& path, const Bytes& bytes);

// GetPrivateProfileStringA with the empty default and the settings reader's buffer.
Text platformRead(const std::string& path, const Text& section, const Text& key);
void platformWrite(const std::string& path, const Text& section, const Text& key,
                   const Text& value);

// Files opened for reading, named by small integers: the file handles of the host
// services. 0 is no file.
#pragma once

#include "shell/text.h"

#include <windows.h>

#include <mutex>
#include <vector>

class FileTable {
  public:
    // Opens an existing file read-only, letting others read, write and delete it meanwhile.
    int openForReading(const Text& path);
    // The text from the present position, read as readRemainingText describes.
    Text readRemainingText(int file);
    // The bytes from where the whole file's text ends, read as readBytesAfterText
    // describes; the present position stays where it was.
    Bytes bytesAfterText(int file);
    void close(int file);

  private:
    HANDLE find(int file) const;

    mutable std::mutex lock_;
    std::vector<HANDLE> slots_; // slot n - 1 holds handle n; nullptr when free
};

// An in-memory file system for the test host: files by exact path, read handles with
// a position, and faults that tests switch on per path.
#pragma once

#include "shell/text.h"

#include <map>
#include <mutex>
#include <optional>
#include <set>

class FakeFiles {
  public:
    void put(const Text& path, const Bytes& bytes);
    std::optional<Bytes> get(const Text& path) const;
    bool exists(const Text& path) const;
    void addDirectory(const Text& path);

    // Faults: opening for reading refused, writing refused.
    void denyReading(const Text& path);
    void denyWriting(const Text& path);

    int open(const Text& path);
    Text readRemaining(int handle);
    Bytes bytesAfterText(int handle) const;
    void close(int handle);
    bool isOpen(int handle) const;
    int openCount() const;
    // Fails while a read handle on the path is open: the platform cannot swap a new file
    // in over one that is held open.
    bool write(const Text& path, const Bytes& bytes);
    bool remove(const Text& path);

  private:
    struct OpenFile {
        Text path;
        Bytes bytes;
        std::size_t position = 0;
    };
    mutable std::recursive_mutex lock_;
    std::map<Text, Bytes> files_;
    std::set<Text> directories_;
    std::set<Text> unreadable_;
    std::set<Text> unwritable_;
    std::map<int, OpenFile> open_;
    int nextHandle_ = 1;
};

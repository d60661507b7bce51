#include "reader_state.h"

#include <new>

ReaderState reader;
std::mutex documentPathLock;

void resetReaderState() {
    std::lock_guard guard(documentPathLock);
    reader.~ReaderState();
    new (&reader) ReaderState{};
}

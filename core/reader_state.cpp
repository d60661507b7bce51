#include "reader_state.h"

ReaderState reader;
std::mutex documentPathLock;

void resetReaderState() {
    std::lock_guard guard(documentPathLock);
    reader = ReaderState{};
}

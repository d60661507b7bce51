// The host's fatal errors: the box text and the exit code that end the program when it
// cannot go on (out of memory, a bad array index, a window that is not loaded).
#pragma once

#include "text.h"

#include <cstddef>
#include <optional>

inline constexpr int kFatalExitCode = -1;

struct FatalError {
    std::optional<int> code;
    Text message;
};

FatalError outOfMemoryError(std::size_t bytesAsked);
FatalError indexAboveCountError();
FatalError indexBelowOneError();
FatalError windowNotLoadedError();
FatalError startWindowNotLoadedError();

inline constexpr const char* kFatalErrorTitle = "错误";
// "运行时出错!\r\n\r\n", then the code and the message when present.
Text fatalErrorText(const FatalError& error);

// The end of a run that cannot go on: the error box, then exit code −1 without the
// exit clean-up.
#pragma once

#include "shell/fatal_error.h"

[[noreturn]] void exitWithFatalError(const FatalError& error);

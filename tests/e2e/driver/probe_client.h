// Asks the probe, hooked into one of the program's threads, for what only the program's
// own process can read.
#pragma once

#include "../probe/probe_protocol.h"

#include <windows.h>

#include <string>

// The probe's reply (GBK lines) to a request about target, handled on window's thread.
// Throws when the probe cannot be installed or does not answer.
std::string askProbe(HWND window, ProbeRequest request, HWND target = nullptr);

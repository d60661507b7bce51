#include "host_services.h"

#include <cstdlib>

namespace {
HostServices* installed = nullptr;
}

HostServices& host() {
    return *installed;
}

void installHost(HostServices& services) {
    installed = &services;
}

void HostServices::endProgram(int exitCode) {
    endProcess(exitCode);
    std::abort();
}

void HostServices::fatalError(const FatalError& error) {
    endWithFatalError(error);
    std::abort();
}

#include "host_services.h"

namespace {
HostServices* installed = nullptr;
}

HostServices& host() {
    return *installed;
}

void installHost(HostServices& services) {
    installed = &services;
}

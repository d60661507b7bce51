// Carries work from worker threads to the GUI thread. A window answers only to the
// thread that made it, so every service that touches one runs there while the worker
// waits, and the events it raises run before the service returns.
#pragma once

#include <functional>

// Once, on the thread that will own every window, before any worker starts.
void startGuiThreadDispatcher();

bool isGuiThread();

// Runs `work` on the GUI thread and returns when it is done; on the GUI thread itself it
// runs at once. Work that cannot be delivered (the GUI thread no longer takes messages
// because the process is ending) is dropped.
void runOnGuiThread(const std::function<void()>& work);

// Queues `work` behind everything the GUI thread already has waiting, and returns at once.
bool postToGuiThread(std::function<void()> work);

#include "shell/exit_cleanup.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

namespace {

std::atomic<int> cleanupRuns{0};
void countCleanup() {
    ++cleanupRuns;
}

class ExitCleanupTest : public testing::Test {
  protected:
    void SetUp() override {
        cleanupRuns = 0;
        setExitCleanup(countCleanup);
    }
    void TearDown() override { clearExitCleanup(); }
};

TEST_F(ExitCleanupTest, RunsOnceHoweverOftenTheEndIsReached) {
    runExitCleanupOnce();
    runExitCleanupOnce();
    EXPECT_EQ(cleanupRuns, 1);
}

TEST_F(ExitCleanupTest, RunsOnceWhenThreadsEndTogether) {
    std::atomic<bool> go{false};
    std::vector<std::thread> threads;
    for (int i = 0; i < 8; ++i) {
        threads.emplace_back([&go] {
            while (!go)
                std::this_thread::yield();
            runExitCleanupOnce();
        });
    }
    go = true;
    for (std::thread& thread : threads)
        thread.join();
    EXPECT_EQ(cleanupRuns, 1);
}

TEST_F(ExitCleanupTest, NeverRunsAfterAFatalError) {
    clearExitCleanup();
    runExitCleanupOnce();
    EXPECT_EQ(cleanupRuns, 0);
}

} // namespace

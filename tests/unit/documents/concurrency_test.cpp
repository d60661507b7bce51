// The restore task, caption tasks, drops and Save As running at once: no text is read
// while another thread replaces it, and the caption always matches the path parts.
#include "core/reader_state.h"
#include "shell/text_rules.h"
#include "tests/fake/fake_host.h"

#include <gtest/gtest.h>

namespace {

TEST(Concurrency, RestoreDropsAndSaveAsInterleaveWithoutTearingTheCaption) {
    for (int round = 0; round < 30; ++round) {
        FakeHost fake;
        fake.waitForStartupTasks = false;
        fake.files.put("C:\\last\\restored.txt", "restored text");
        fake.files.put("C:\\in\\dropped.txt", "dropped text");
        fake.files.put(fake.settingsPath(),
                       "[小说]\r\n路径=C:\\last\\restored.txt\r\n[选择]\r\n选项=3\r\n");
        fake.boxAnswers = {kYes, kYes};
        fake.fileDialogAnswers = {"C:\\out\\saved"};
        fake.run([&] {
            fake.dropFiles({"C:\\in\\dropped.txt"});
            fake.chooseMenu(menuItem("另存为"));
            fake.dropFiles({"C:\\in\\dropped.txt"});
            fake.waitForWorkers();
            ASSERT_TRUE(reader.pathParts.has_value());
            ASSERT_FALSE(reader.pathParts->empty());
            EXPECT_EQ(fake.windowCaption, reader.pathParts->back() + " - 记事本");
            EXPECT_EQ(*reader.pathParts, splitText(reader.documentPath, "\\"));
        });
        EXPECT_EQ(fake.exitCleanupRuns, 1);
    }
}

} // namespace

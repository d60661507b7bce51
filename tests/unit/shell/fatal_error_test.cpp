#include "shell/fatal_error.h"

#include <gtest/gtest.h>

namespace {

TEST(FatalErrorText, ShowsCodeAndMessageWhenPresent) {
    struct Case {
        const char* name;
        FatalError error;
        Text expected;
    };
    const Case cases[] = {
        {"out of memory", outOfMemoryError(1024),
         "运行时出错!\r\n\r\n错误信息：分配 1024 字节内存失败!\r\n"},
        {"index above count", indexAboveCountError(),
         "运行时出错!\r\n\r\n错误代码：1\r\n\r\n错误信息：数组成员引用下标超出定义范围\r\n"},
        {"index below one", indexBelowOneError(),
         "运行时出错!\r\n\r\n错误代码：4\r\n\r\n错误信息：数组成员引用下标必须大于等于1\r\n"},
        {"window not loaded", windowNotLoadedError(),
         "运行时出错!\r\n\r\n错误信息：未载入欲访问窗口组件所在的窗口\r\n"},
        {"start window not loaded", startWindowNotLoadedError(),
         "运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n"},
        {"code alone", {7, ""}, "运行时出错!\r\n\r\n错误代码：7\r\n\r\n"},
        {"neither", {}, "运行时出错!\r\n\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(fatalErrorText(c.error), c.expected);
    }
}

} // namespace

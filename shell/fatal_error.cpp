#include "fatal_error.h"

#include <string>

FatalError outOfMemoryError(std::size_t bytesAsked) {
    return {std::nullopt, "分配 " + std::to_string(bytesAsked) + " 字节内存失败!"};
}

FatalError indexAboveCountError() {
    return {1, "数组成员引用下标超出定义范围"};
}

FatalError indexBelowOneError() {
    return {4, "数组成员引用下标必须大于等于1"};
}

FatalError windowNotLoadedError() {
    return {std::nullopt, "未载入欲访问窗口组件所在的窗口"};
}

FatalError startWindowNotLoadedError() {
    return {std::nullopt, "载入启动窗口失败"};
}

Text fatalErrorText(const FatalError& error) {
    Text text = "运行时出错!\r\n\r\n";
    if (error.code) text += "错误代码：" + std::to_string(*error.code) + "\r\n\r\n";
    if (!error.message.empty()) text += "错误信息：" + error.message + "\r\n";
    return text;
}

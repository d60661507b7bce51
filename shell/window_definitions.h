// The two windows as data: the main window with its controls and menu tree, the find
// window, and the binding of every event to its handler. The Win32 host builds the real
// windows from these tables and the test host models them from the same ones.
#pragma once

#include "text.h"

#include <iterator>
#include <string_view>

enum class Timer { 时钟1, 时钟2 };
inline constexpr int kTimerCount = 2;

// Windows and controls whose native handle the logic asks for.
enum class WindowObject { mainWindow, 编辑框1, 标签1 };

enum class DropObject { 拖放对象1 };

enum class FileDialogKind { open, save };

using MenuHandler = void (*)();

struct Shortcut {
    bool ctrl = false;
    int virtualKey = 0; // 0: no shortcut
    const char* name = "";
};
inline constexpr Shortcut kNoShortcut{};
inline constexpr int kVirtualKeyF6 = 0x75;

struct MenuItemDefinition {
    int level;           // 0 is the menu bar; n + 1 belongs to the nearest n above it
    const char* caption; // "-" is a separator line
    bool visible;
    bool checked;
    Shortcut shortcut = kNoShortcut;
};

inline constexpr MenuItemDefinition kMainMenu[] = {
    {0, "文件", true, false},
    {1, "新建", true, false, {true, 'N', "Ctrl+N"}},
    {1, "打开", true, false, {true, 'O', "Ctrl+O"}},
    {1, "保存", true, false, {true, 'S', "Ctrl+S"}},
    {1, "另存为", true, false},
    {1, "关闭文档", true, false},
    {1, "-", true, false},
    {1, "退出", true, false},
    {0, "功能", true, false},
    {1, "只读", true, false},
    {1, "前置", true, true},
    {1, "查找文本", true, false},
    {1, "自动阅读文本", true, false},
    {1, "-", true, false},
    {1, "保存浏览位置(10秒保存一次)", true, false},
    {1, "清除上次阅读痕迹", true, false},
    {0, "自动阅读 ", false, false},
    {1, "速度", true, false},
    {2, "加速", true, false},
    {2, "减速", true, false},
    {1, "阅读方形(5)", true, false},
    {2, "加长", true, false},
    {2, "减短", true, false},
    {0, "格式", true, false},
    {1, "自动换行", true, false},
    {1, "字体", true, false, {false, kVirtualKeyF6, "F6"}},
    {0, "帮助", true, false},
    {1, "查看帮助", true, false},
};
inline constexpr int kMainMenuSize = static_cast<int>(std::size(kMainMenu));

// A menu item, named by its caption literal as the menu tree gives it: menuItem("只读").
// It keeps that name when its caption changes. An unknown caption does not compile.
enum class MenuItem : int {};
consteval MenuItem menuItem(std::string_view caption) {
    for (int i = 0; i < kMainMenuSize; ++i) {
        if (caption != "-" && caption == kMainMenu[i].caption) return MenuItem{i};
    }
    throw "no menu item has this caption";
}
inline constexpr int menuIndex(MenuItem item) {
    return static_cast<int>(item);
}

// The handler bound to an item's selected event, nullptr for items without one.
MenuHandler menuHandler(MenuItem item);

inline constexpr const char* kMainWindowTitle = "把文档拖入窗口即可 By Corvanet";
inline constexpr int kMainWindowWidth = 346;
inline constexpr int kMainWindowHeight = 266;
inline constexpr bool kMainWindowTopmost = true;

enum class ControlKind { timer, commonDialog, label, dropObject, editBox, pushButton };

struct ControlDefinition {
    const char* name;
    ControlKind kind;
    int left, top, width, height;
    bool visible;
};

// In the order in which they are created.
inline constexpr ControlDefinition kMainWindowControls[] = {
    {"时钟2", ControlKind::timer, 224, 32, 26, 26, false},
    {"时钟1", ControlKind::timer, 200, 32, 26, 26, false},
    {"通用对话框1", ControlKind::commonDialog, 176, 32, 26, 26, false},
    {"标签1", ControlKind::label, 312, 232, 80, 24, false},
    {"拖放对象1", ControlKind::dropObject, 296, 264, 26, 26, false},
    {"编辑框1", ControlKind::editBox, 0, 0, 344, 216, true},
};

struct EditorDefinition {
    int textColour = 0x000000;
    int backgroundColour = 0xFFFFFF;
    const char* faceName = "宋体";
    int fontPoints = 9;
    int fontWeight = 400;
};
inline constexpr EditorDefinition kEditor{};

// The common dialog 通用对话框1 as it starts.
struct CommonDialogDefinition {
    FileDialogKind kind = FileDialogKind::open;
    const char* title = "";
    const char* fileName = "";
    const char* filter = "*.txt";
    int initialFilterIndex = 0;
    const char* initialDirectory = "";
    const char* defaultExtension = "";
    bool createPrompt = false;
    bool fileMustExist = true;
    bool overwritePrompt = true;
    bool pathMustExist = true;
    bool keepCurrentDirectory = false;
};
inline constexpr CommonDialogDefinition kCommonDialog{};

inline constexpr const char* kFindWindowTitle = "查找文本";
inline constexpr int kFindWindowWidth = 212;
inline constexpr int kFindWindowHeight = 82;
inline constexpr ControlDefinition kFindWindowControls[] = {
    {"编辑框1", ControlKind::editBox, 16, 16, 96, 19, true},
    {"按钮1", ControlKind::pushButton, 120, 14, 72, 24, true},
};
inline constexpr const char* kFindButtonCaption = "查找";

// Every event that has a handler. A null entry does nothing.
struct EventBindings {
    void (*created)();
    bool (*canBeClosed)(); // false keeps the main window open
    void (*sizeChanged)();
    void (*timerTick[kTimerCount])();
    void (*hotkeyFeedback)(int id, int unused);
    void (*fileDropped)(const Text& paths);
    void (*editorTextChanged)();
    void (*findButtonClicked)();
};
extern const EventBindings kEvents;

inline constexpr int timerIndex(Timer timer) {
    return static_cast<int>(timer);
}

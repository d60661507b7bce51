// What the test driver and the probe inside the program agree on: one named shared block
// that carries the probe's text reply out of the program, and one registered message that
// makes the receiving window's thread run the probe's hook with a request in its wParam.
#pragma once

#include <cstdint>

inline constexpr const char* kProbeMappingName = "Local\\VellumryE2eProbe";
inline constexpr const char* kProbeMessageName = "VellumryE2eProbeRequest";
inline constexpr const char* kProbeHookName = "probeHook";
inline constexpr const char* kProbeDllName = "vellumry_probe.dll";
inline constexpr std::uint32_t kProbeReplyCapacity = 64 * 1024;

// The lParam of the request message names the window the request is about.
enum class ProbeRequest : std::uint32_t {
    menuBar = 1,
    editorFont = 2,
    editorColours = 3,
    finishPainting = 4,
    boxIcon = 5,
    guiObjects = 6,
};

struct ProbeBlock {
    std::uint32_t answered; // set to 1 by the probe after the reply is complete
    std::uint32_t replyLength;
    char reply[kProbeReplyCapacity];
};

// Fields of one line of the menu-bar reply are separated by this byte. The caption is the
// last field and may itself hold one (before a shortcut's name).
inline constexpr char kProbeFieldSeparator = '\t';
inline constexpr int kMenuReplyFields = 5;

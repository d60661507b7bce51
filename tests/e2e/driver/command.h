// A subcommand of the driver: its name, the arguments it takes and the procedure that runs
// it. Each group of subcommands lives in its own file and hands out its table.
#pragma once

#include <span>

using Arguments = std::span<char* const>;

struct Command {
    const char* name;
    const char* usage; // the arguments, as shown in the usage text
    int minArguments;
    int maxArguments;
    int (*run)(Arguments arguments); // the driver's exit code
};

std::span<const Command> windowCommands();
std::span<const Command> editorCommands();
std::span<const Command> menuCommands();
std::span<const Command> inputCommands();
std::span<const Command> boxCommands();
std::span<const Command> versionCommands();
std::span<const Command> startupCommands();
std::span<const Command> dropCommands();
std::span<const Command> fileDialogCommands();
std::span<const Command> heldFileCommands();
std::span<const Command> typingCommands();
std::span<const Command> gbkTextCommands();
std::span<const Command> selectionCommands();
std::span<const Command> findWindowCommands();
std::span<const Command> fontDialogCommands();
std::span<const Command> windowChangeCommands();
std::span<const Command> menuModeCommands();
std::span<const Command> resourceCommands();

// A decimal number or a 0x-prefixed hexadecimal one; anything else throws.
long numberArgument(const char* text);

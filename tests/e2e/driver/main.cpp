// The end-to-end test driver: one subcommand per run, each printing a few machine-readable
// lines. Exit code 0 when the subcommand did what was asked, 1 when it could not (message on
// stderr), 2 for a usage error.
#include "command.h"
#include "output.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <fcntl.h>
#include <io.h>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

std::vector<Command> allCommands() {
    std::vector<Command> commands;
    for (auto group : {windowCommands(), editorCommands(), menuCommands(), inputCommands(),
                       boxCommands(), versionCommands(), startupCommands(), selectionCommands(),
                       findWindowCommands(), fontDialogCommands(), windowChangeCommands(),
                       menuModeCommands(), dropCommands(), fileDialogCommands(), heldFileCommands(),
                       typingCommands(), gbkTextCommands(), resourceCommands()}) {
        commands.insert(commands.end(), group.begin(), group.end());
    }
    return commands;
}

int usage(const std::vector<Command>& commands) {
    std::fprintf(stderr, "usage: vellumry_driver <subcommand> [arguments]\n");
    for (const Command& command : commands)
        std::fprintf(stderr, "  %s %s\n", command.name, command.usage);
    return 2;
}

} // namespace

long numberArgument(const char* text) {
    char* end = nullptr;
    const long value = std::strtol(text, &end, 0);
    if (end == text || *end != '\0')
        throw std::invalid_argument(std::string("not a number: ") + text);
    return value;
}

int main(int argc, char** argv) {
    // Line ends stay "\n": the scripts compare lines, and a text-mode stream would add "\r".
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    const auto commands = allCommands();
    if (argc < 2) return usage(commands);
    for (const Command& command : commands) {
        if (std::strcmp(command.name, argv[1]) != 0) continue;
        const Arguments arguments(argv + 2, argc - 2);
        const int count = static_cast<int>(arguments.size());
        if (count < command.minArguments || count > command.maxArguments) return usage(commands);
        try {
            return command.run(arguments);
        } catch (const std::invalid_argument& error) {
            printError(error.what());
            return 2;
        } catch (const std::exception& error) {
            printError(std::string(command.name) + ": " + error.what());
            return 1;
        }
    }
    return usage(commands);
}

// The editor benchmark's program, run under Wine by scripts/editor_benchmark.sh: it
// measures one editor on one generated novel per run, so that each run's memory figure
// starts from a fresh process, writes the novels as files for notepad, and waits for
// notepad to show one.
#include "editor_figures.h"
#include "notepad_wait.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <fcntl.h>
#include <io.h>

namespace {

int usage() {
    std::fputs("usage: editor_bench measure <view|edit> <novel> <cap ms>\n"
               "       editor_bench write <novel> <file>\n"
               "       editor_bench wait-notepad <file name> <timeout ms>\n"
               "novels:",
               stderr);
    for (const NovelShape& shape : kNovelShapes)
        std::fprintf(stderr, " %s", shape.name);
    std::fputs("\n", stderr);
    return 2;
}

int writeNovelFile(const NovelShape& shape, const char* path) {
    const std::string text = writeNovel(shape);
    FILE* file = std::fopen(path, "wb");
    if (!file) return 1;
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    return std::fclose(file) == 0 && written ? 0 : 1;
}

int run(int argc, char** argv) {
    if (argc == 5 && std::strcmp(argv[1], "measure") == 0) {
        const NovelShape* shape = novelShapeNamed(argv[3]);
        const bool view = std::strcmp(argv[2], "view") == 0;
        if (!shape || (!view && std::strcmp(argv[2], "edit") != 0)) return usage();
        return measureEditor(view ? EditorKind::textView : EditorKind::editControl, *shape,
                             static_cast<DWORD>(std::strtoul(argv[4], nullptr, 10)));
    }
    if (argc == 4 && std::strcmp(argv[1], "write") == 0) {
        const NovelShape* shape = novelShapeNamed(argv[2]);
        return shape ? writeNovelFile(*shape, argv[3]) : usage();
    }
    if (argc == 4 && std::strcmp(argv[1], "wait-notepad") == 0) {
        return waitForNotepad(argv[2], static_cast<DWORD>(std::strtoul(argv[3], nullptr, 10)));
    }
    return usage();
}

} // namespace

int main(int argc, char** argv) {
    // Line ends stay "\n": the script reads the figures line by line.
    _setmode(_fileno(stdout), _O_BINARY);
    try {
        return run(argc, argv);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "editor_bench: %s\n", error.what());
        return 1;
    }
}

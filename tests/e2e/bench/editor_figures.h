// The figures of one editor showing one novel, printed as "name value" lines.
#pragma once

#include "bench_editor.h"
#include "novel_writer.h"

// Any figure that would take longer than `capMs` to wait for ends the run: its line says
// "> cap" and the figures after it are not printed.
int measureEditor(EditorKind kind, const NovelShape& shape, DWORD capMs);

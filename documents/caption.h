// The window caption follows the document: its file name followed by " - 记事本".
#pragma once

#include "shell/text.h"

// Stores a new document path; every change goes through here, under the path lock.
void setDocumentPath(const Text& path);
Text currentDocumentPath();

// Splits `path` into pathParts and shows its last part in the caption.
void setCaptionFromPath(const Text& path);

// Derives the caption from documentPath; started on a worker thread with startWorker.
void captionTask();

// The frame of every run: the program entry, the start-up sequence run when the main
// window has been created, and the clean-up run once when the program ends.
#pragma once

// Run once by the host when the process starts; returns the exit code.
int programEntry();

// The main window's created event.
void handleWindowCreated();

void exitCleanup();

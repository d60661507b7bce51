// The program's icon, from the program file's resources, for both windows' classes.
#pragma once

#include <windows.h>

HICON programIcon();
HICON programSmallIcon();

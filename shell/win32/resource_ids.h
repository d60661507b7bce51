// Identifiers shared by the resource script and the code that loads its resources.
// Plain macros, because the resource compiler reads this file too.
#pragma once

#define VELLUMRY_ICON_ID 1

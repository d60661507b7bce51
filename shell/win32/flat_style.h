// The flat drawing of standard controls that applyVisualStyle switches: edit boxes with
// a sunken border get a flat one-pixel frame in the scheme's colour, in every window of
// the GUI thread, present and created later.
#pragma once

// Schemes 1 to 3 switch the drawing on in their colour; any other number switches it off.
void applyFlatStyle(int scheme);

#pragma once
// The classic AM/PM radio glyph on a canvas: this module's bitmap resource with its key
// colours replaced by the current scheme's.
#include "runtime/Canvas.h"

// Draws the 13 x 13 glyph with its top-left corner at origin; controlColor is the colour
// the glyph's outside blends into.
void DrawClassicRadioGlyph(TCanvas& canvas, Point origin, bool checked, TColor controlColor);

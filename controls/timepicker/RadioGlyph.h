#pragma once
// The classic (unthemed) AM/PM radio glyph: a 13 x 13 bitmap resource drawn with 14
// key colours, each replaced at load time by a colour of the current scheme.
#include <array>
#include <vector>

#include "runtime/ColorMath.h"
#include "runtime/Geometry.h"

constexpr int RadioGlyphSize = 13;
constexpr int RadioCaptionIndent = 14;  // glyph plus gap, left of the caption

struct GlyphColorMapping {
  TColor key;          // as stored in the resource
  TColor replacement;  // plain RGB
};

using RadioGlyphColorMap = std::array<GlyphColorMapping, 14>;

// The replacements for the scheme's window, button-shadow and highlight colours and
// the control's own colour, all resolved through the system resolver.
RadioGlyphColorMap RadioGlyphColors(TColor controlColor, const SystemColorResolver& system);

// The glyph's pixels with each key replaced, every pixel looked up once: a replacement
// that equals another key (white for the window colour, say) is never replaced again.
// A pixel of no key keeps its colour.
std::vector<TColor> MapRadioGlyphPixels(const std::vector<TColor>& pixels, const RadioGlyphColorMap& map);

// Where the glyph goes in a selector's rectangle: at its left, centred vertically.
Point RadioGlyphOrigin(const Rect& selector);

// Where the selector's caption is centred: right of the glyph.
Rect RadioCaptionRect(const Rect& selector);

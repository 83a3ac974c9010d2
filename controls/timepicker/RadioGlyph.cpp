#include "controls/timepicker/RadioGlyph.h"

#include <algorithm>

RadioGlyphColorMap RadioGlyphColors(TColor controlColor, const SystemColorResolver& system) {
  const TColor window = ColorToRGB(clWindow, system);
  const TColor shadow = ColorToRGB(clBtnShadow, system);
  const TColor highlight = ColorToRGB(clHighlight, system);
  const TColor control = ColorToRGB(controlColor, system);
  const TColor shadowOnWindowHalf = Blend(shadow, window, 128, system);
  const TColor shadowOnWindowLight = Blend(shadow, window, 80, system);
  return {{
      {0xFFFFFF, window},
      // Nudged so that a grey scheme cannot hand a pixel back to the grey key below.
      {0x000000, NudgeOffGrey(shadow, system)},
      {0x008000, RaiseLightness(shadow, 10, system)},
      {0x808080, shadowOnWindowHalf},
      {0x800080, shadowOnWindowHalf},
      {0x000080, shadowOnWindowLight},
      {0x00FF00, shadowOnWindowLight},
      {0x0000FF, window},
      {0xFF00FF, window},
      {0x00FFFF, window},
      {0x800000, NudgeOffGrey(highlight, system)},
      {0xFF0000, Blend(highlight, window, 153, system)},
      {0xFFFF00, Blend(shadow, control, 100, system)},
      {0x008080, control},
  }};
}

std::vector<TColor> MapRadioGlyphPixels(const std::vector<TColor>& pixels, const RadioGlyphColorMap& map) {
  std::vector<TColor> mapped;
  mapped.reserve(pixels.size());
  for (TColor pixel : pixels) {
    const auto found =
        std::find_if(map.begin(), map.end(), [pixel](const GlyphColorMapping& m) { return m.key == pixel; });
    mapped.push_back(found == map.end() ? pixel : found->replacement);
  }
  return mapped;
}

Point RadioGlyphOrigin(const Rect& selector) {
  return {selector.left, selector.top + (selector.Height() - RadioGlyphSize) / 2};
}

Rect RadioCaptionRect(const Rect& selector) { return selector.Inset(RadioCaptionIndent, 0, 0, 0); }

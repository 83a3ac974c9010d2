#include "controls/timepicker/FrameStyle.h"

#include <algorithm>

int FrameThickness(TFrameStyleEx style, int bevelWidth) {
  switch (style) {
    case fsNone:
      return 0;
    case fsFlat:
      return 1;
    case fsStatus:
    case fsPopup:
      return std::max(bevelWidth, 0);
    case fsGroove:
    case fsBump:
    case fsLowered:
    case fsButtonDown:
    case fsRaised:
    case fsButtonUp:
    case fsFlatBold:
    case fsFlatRounded:
      return 2;
  }
  return 0;
}

Rect PanelClientRect(const Rect& client, const PanelBorder& border) {
  const int band = border.borderWidth;
  const int frame = FrameThickness(border.outer, border.bevelWidth) + FrameThickness(border.inner, border.bevelWidth);
  const TSides& sides = border.sides;
  return client.Inset(band, band, band, band)
      .Inset(sides.left ? frame : 0, sides.top ? frame : 0, sides.right ? frame : 0, sides.bottom ? frame : 0);
}

TColor AdjustedFlatColor(TColor flatColor, int adjustment, const SystemColorResolver& system) {
  const int amount = std::clamp(adjustment, -255, 255);  // beyond that every colour is black or white
  if (amount < 0) return LowerLightness(flatColor, -amount, system);
  if (amount > 0) return RaiseLightness(flatColor, amount, system);
  return flatColor;
}

std::vector<FrameLine> FrameLines(TFrameStyleEx style, int bevelWidth, const FrameColors& colors) {
  switch (style) {
    case fsNone:
      return {};
    case fsFlat:
      return {{colors.flat, colors.flat}};
    case fsFlatBold:
      return {{colors.flat, colors.flat}, {colors.flat, colors.flat}};
    case fsFlatRounded:
      return {{colors.flat, colors.flat, true}, {colors.flat, colors.flat}};
    case fsGroove:  // etched in: shadow outside, highlight one pixel in
      return {{clBtnShadow, clBtnHighlight}, {clBtnHighlight, clBtnShadow}};
    case fsBump:
      return {{clBtnHighlight, clBtnShadow}, {clBtnShadow, clBtnHighlight}};
    case fsLowered:
      return {{clBtnShadow, clBtnHighlight}, {cl3DDkShadow, cl3DLight}};
    case fsRaised:
      return {{cl3DLight, cl3DDkShadow}, {clBtnHighlight, clBtnShadow}};
    case fsButtonUp:
      return {{clBtnHighlight, cl3DDkShadow}, {cl3DLight, clBtnShadow}};
    case fsButtonDown:
      return {{clBtnText, clBtnText}, {clBtnShadow, clBtnShadow}};
    case fsStatus:
      return std::vector<FrameLine>(FrameThickness(style, bevelWidth), {colors.shadow, colors.highlight});
    case fsPopup:
      return std::vector<FrameLine>(FrameThickness(style, bevelWidth), {colors.highlight, colors.shadow});
  }
  return {};
}

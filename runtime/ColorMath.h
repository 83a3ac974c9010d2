#pragma once
// Colour references and the colour arithmetic shared by the owner-drawn controls.
// A colour is 0x00BBGGRR, or a system-colour reference (high byte 0xFF, the platform's
// system colour index in the low byte) that is resolved only where channels are needed.
#include <cstdint>
#include "runtime/Callback.h"

using TColor = std::uint32_t;

constexpr TColor clBlack = 0x000000;
constexpr TColor clNavy = 0x800000;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clNone = 0x1FFFFFFF;

constexpr TColor SystemColorReference(int index) { return 0xFF000000u | static_cast<TColor>(index); }

constexpr TColor clWindow = SystemColorReference(5);
constexpr TColor clWindowText = SystemColorReference(8);
constexpr TColor clHighlight = SystemColorReference(13);
constexpr TColor clHighlightText = SystemColorReference(14);
constexpr TColor clBtnFace = SystemColorReference(15);
constexpr TColor clBtnShadow = SystemColorReference(16);
constexpr TColor clGrayText = SystemColorReference(17);
constexpr TColor clBtnText = SystemColorReference(18);
constexpr TColor clBtnHighlight = SystemColorReference(20);
constexpr TColor cl3DDkShadow = SystemColorReference(21);
constexpr TColor cl3DLight = SystemColorReference(22);
constexpr TColor clInfoBk = SystemColorReference(24);

// The current RGB value of a system colour index (GetSysColor in the product).
using SystemColorResolver = Callback<TColor(int index)>;

constexpr int RedOf(TColor rgb) { return static_cast<int>(rgb & 0xFF); }
constexpr int GreenOf(TColor rgb) { return static_cast<int>((rgb >> 8) & 0xFF); }
constexpr int BlueOf(TColor rgb) { return static_cast<int>((rgb >> 16) & 0xFF); }
constexpr TColor RGBColor(int red, int green, int blue) {
  return static_cast<TColor>(red) | (static_cast<TColor>(green) << 8) | (static_cast<TColor>(blue) << 16);
}

// The plain 0x00BBGGRR value: system references through the resolver, anything else
// reduced to its three channel bytes (so clNone reads as white).
TColor ColorToRGB(TColor color, const SystemColorResolver& system);

// Hue, lightness and saturation on the 0..240 scale.
struct HlsColor {
  int hue = 0;
  int lightness = 0;
  int saturation = 0;
};

HlsColor RGBToHLS(TColor rgb);
// Lightness may exceed 240 after a raise; every channel is clamped to 0..255.
TColor HLSToRGB(const HlsColor& hls);

TColor LowerLightness(TColor color, int amount, const SystemColorResolver& system);
// Clamps the lightness at 255, above the scale, which whitens every channel.
TColor RaiseLightness(TColor color, int amount, const SystemColorResolver& system);

// Each channel weight/255 of a and the rest of b; weight is clamped to 0..255.
TColor Blend(TColor a, TColor b, int weight, const SystemColorResolver& system);

// A colour resolving to exactly 0x808080 becomes 0x808081, so that it cannot collide
// with the grey key of a mapped glyph; any other colour is returned as given.
TColor NudgeOffGrey(TColor color, const SystemColorResolver& system);

// Each channel moved by the magnitude of its amount, up (raise) or down, clamped to
// 0..255. The product then maps the result to the screen's nearest colour.
TColor ShiftedChannels(TColor color, int red, int green, int blue, bool raise, const SystemColorResolver& system);

// amount, clamped to -255..255, added to every channel; channels clamped to 0..255.
TColor AddToColor(TColor color, int amount, const SystemColorResolver& system);

// The rounded mean of the three channels is at least 225.
bool IsLightColor(TColor color, const SystemColorResolver& system);

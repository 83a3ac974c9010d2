#include "runtime/ColorMath.h"

#include <algorithm>
#include <cstdlib>

#include "runtime/Rounding.h"

namespace {

constexpr double HlsScale = 240;
// The way back divides the hue by 239, not 240; kept so colours come out as they always have.
constexpr double HueScaleBack = 239;
constexpr int MaxRaisedLightness = 255;

int ClampChannel(int value) { return std::clamp(value, 0, 255); }

bool IsSystemReference(TColor color) { return (color & 0xFF000000u) == 0xFF000000u; }

double HueToChannel(double low, double high, double hue) {
  if (hue < 0) hue += 1;
  if (hue > 1) hue -= 1;
  if (6 * hue < 1) return low + (high - low) * hue * 6;
  if (2 * hue < 1) return high;
  if (3 * hue < 2) return low + (high - low) * (2.0 / 3 - hue) * 6;
  return low;
}

int ChannelFromUnit(double unit) { return RoundHalfEven(std::clamp(unit, 0.0, 1.0) * 255); }

// Lightness moved by a step and clamped to 0..255; the step is bounded first so that
// no amount can overflow.
TColor WithLightnessMovedBy(TColor color, int step, const SystemColorResolver& system) {
  HlsColor hls = RGBToHLS(ColorToRGB(color, system));
  hls.lightness =
      std::clamp(hls.lightness + std::clamp(step, -MaxRaisedLightness, MaxRaisedLightness), 0, MaxRaisedLightness);
  return HLSToRGB(hls);
}

}  // namespace

TColor ColorToRGB(TColor color, const SystemColorResolver& system) {
  if (IsSystemReference(color)) return system(static_cast<int>(color & 0xFF)) & 0xFFFFFFu;
  return color & 0xFFFFFFu;
}

HlsColor RGBToHLS(TColor rgb) {
  const double red = RedOf(rgb) / 255.0;
  const double green = GreenOf(rgb) / 255.0;
  const double blue = BlueOf(rgb) / 255.0;
  const double high = std::max({red, green, blue});
  const double low = std::min({red, green, blue});
  const double lightness = (high + low) / 2;
  HlsColor hls;
  hls.lightness = RoundHalfEven(lightness * HlsScale);
  if (high == low) return hls;  // grey: no hue, no saturation

  const double delta = high - low;
  const double saturation = lightness < 0.5 ? delta / (high + low) : delta / (2 - high - low);
  double hue;
  if (red == high) {
    hue = (green - blue) / delta;
  } else if (green == high) {
    hue = 2 + (blue - red) / delta;
  } else {
    hue = 4 + (red - green) / delta;
  }
  hue /= 6;
  if (hue < 0) hue += 1;
  hls.hue = RoundHalfEven(hue * HlsScale);
  hls.saturation = RoundHalfEven(saturation * HlsScale);
  return hls;
}

TColor HLSToRGB(const HlsColor& hls) {
  const double hue = hls.hue / HueScaleBack;
  const double lightness = hls.lightness / HlsScale;
  const double saturation = hls.saturation / HlsScale;
  if (saturation == 0) {
    const int grey = ChannelFromUnit(lightness);
    return RGBColor(grey, grey, grey);
  }
  const double high = lightness <= 0.5 ? lightness * (1 + saturation) : lightness + saturation - lightness * saturation;
  const double low = 2 * lightness - high;
  return RGBColor(ChannelFromUnit(HueToChannel(low, high, hue + 1.0 / 3)),
                  ChannelFromUnit(HueToChannel(low, high, hue)),
                  ChannelFromUnit(HueToChannel(low, high, hue - 1.0 / 3)));
}

TColor LowerLightness(TColor color, int amount, const SystemColorResolver& system) {
  return WithLightnessMovedBy(color, -std::clamp(amount, -MaxRaisedLightness, MaxRaisedLightness), system);
}

TColor RaiseLightness(TColor color, int amount, const SystemColorResolver& system) {
  return WithLightnessMovedBy(color, amount, system);
}

TColor Blend(TColor a, TColor b, int weight, const SystemColorResolver& system) {
  const TColor first = ColorToRGB(a, system);
  const TColor second = ColorToRGB(b, system);
  const double share = std::clamp(weight, 0, 255) / 255.0;
  const auto mix = [share](int x, int y) { return ClampChannel(RoundHalfEven(x * share + y * (1 - share))); };
  return RGBColor(mix(RedOf(first), RedOf(second)), mix(GreenOf(first), GreenOf(second)),
                  mix(BlueOf(first), BlueOf(second)));
}

TColor NudgeOffGrey(TColor color, const SystemColorResolver& system) {
  const TColor rgb = ColorToRGB(color, system);
  return rgb == clGray ? rgb + 1 : color;
}

TColor ShiftedChannels(TColor color, int red, int green, int blue, bool raise, const SystemColorResolver& system) {
  const TColor rgb = ColorToRGB(color, system);
  const auto shift = [raise](int channel, int amount) {
    const int magnitude = std::abs(std::clamp(amount, -255, 255));
    return ClampChannel(raise ? channel + magnitude : channel - magnitude);
  };
  return RGBColor(shift(RedOf(rgb), red), shift(GreenOf(rgb), green), shift(BlueOf(rgb), blue));
}

TColor AddToColor(TColor color, int amount, const SystemColorResolver& system) {
  const TColor rgb = ColorToRGB(color, system);
  const int step = std::clamp(amount, -255, 255);
  return RGBColor(ClampChannel(RedOf(rgb) + step), ClampChannel(GreenOf(rgb) + step), ClampChannel(BlueOf(rgb) + step));
}

bool IsLightColor(TColor color, const SystemColorResolver& system) {
  const TColor rgb = ColorToRGB(color, system);
  return RoundHalfEven((RedOf(rgb) + GreenOf(rgb) + BlueOf(rgb)) / 3.0) >= 225;
}

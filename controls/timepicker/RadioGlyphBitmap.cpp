#include "controls/timepicker/RadioGlyphBitmap.h"

#include <cstdint>
#include <vector>

#include "controls/timepicker/RadioGlyph.h"
#include "runtime/ControlClass.h"
#include "runtime/Exception.h"
#include "runtime/OffscreenBitmap.h"
#include "runtime/SystemError.h"

namespace {

constexpr int PixelCount = RadioGlyphSize * RadioGlyphSize;

// 32-bit pixels, top row first, as GetDIBits and SetDIBitsToDevice exchange them.
BITMAPINFO GlyphBitmapInfo() {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = RadioGlyphSize;
  info.bmiHeader.biHeight = -RadioGlyphSize;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

// The resource's pixels in key colours. The resource never changes while the module is
// loaded, so each glyph is read once; the scheme's colours are applied at every paint.
std::vector<TColor> ReadGlyphResource(const char* name) {
  const GdiObject bitmap(LoadImageA(ControlClassInstance(), name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (!bitmap) throw Exception(std::string("Cannot load the bitmap resource ") + name + ": " + LastErrorText());
  BITMAP facts = {};
  if (!GetObjectA(bitmap.Get(), sizeof facts, &facts) || facts.bmWidth != RadioGlyphSize ||
      facts.bmHeight != RadioGlyphSize)
    throw Exception(std::string("The bitmap resource ") + name + " is not a 13 x 13 glyph");
  std::vector<std::uint32_t> raw(PixelCount);
  BITMAPINFO info = GlyphBitmapInfo();
  const OffscreenBitmap context({1, 1});
  if (GetDIBits(context.Dc(), static_cast<HBITMAP>(bitmap.Get()), 0, RadioGlyphSize, raw.data(), &info,
                DIB_RGB_COLORS) != RadioGlyphSize)
    throw Exception(std::string("Cannot read the pixels of the bitmap resource ") + name);
  std::vector<TColor> pixels;
  pixels.reserve(raw.size());
  for (std::uint32_t pixel : raw) pixels.push_back(RGBColor((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF));
  return pixels;
}

const std::vector<TColor>& GlyphResource(bool checked) {
  static const std::vector<TColor> checkedGlyph = ReadGlyphResource("RZCOMMON_RADIOBUTTON_CHECKED");
  static const std::vector<TColor> uncheckedGlyph = ReadGlyphResource("RZCOMMON_RADIOBUTTON_UNCHECKED");
  return checked ? checkedGlyph : uncheckedGlyph;
}

}  // namespace

void DrawClassicRadioGlyph(TCanvas& canvas, Point origin, bool checked, TColor controlColor) {
  const std::vector<TColor> mapped =
      MapRadioGlyphPixels(GlyphResource(checked), RadioGlyphColors(controlColor, ScreenColors()));
  std::vector<std::uint32_t> raw;
  raw.reserve(mapped.size());
  for (TColor color : mapped)
    raw.push_back(static_cast<std::uint32_t>(RedOf(color)) << 16 | static_cast<std::uint32_t>(GreenOf(color)) << 8 |
                  static_cast<std::uint32_t>(BlueOf(color)));
  const BITMAPINFO info = GlyphBitmapInfo();
  SetDIBitsToDevice(canvas.Handle(), origin.x, origin.y, RadioGlyphSize, RadioGlyphSize, 0, 0, 0, RadioGlyphSize,
                    raw.data(), &info, DIB_RGB_COLORS);
}

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "GeometryPrinting.h"
#include "controls/timepicker/RadioGlyph.h"

namespace {

TColor ClassicScheme(int index) {
  return index == 5 ? clWhite : index == 13 ? RGBColor(10, 36, 106) : index == 15 ? 0xF0F0F0 : 0x808080;
}

TColor Replacement(const RadioGlyphColorMap& map, TColor key) {
  const auto found = std::find_if(map.begin(), map.end(), [key](const GlyphColorMapping& m) { return m.key == key; });
  EXPECT_NE(found, map.end()) << std::hex << key;
  return found == map.end() ? clNone : found->replacement;
}

// The pixels, top row first, of an uncompressed bottom-up 13 x 13 24-bit BMP file.
std::vector<TColor> ReadGlyph(const std::string& name) {
  std::ifstream file(std::string(RESOURCE_DIR) + "/" + name, std::ios::binary);
  const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(file), {}};
  const auto word = [&bytes](std::size_t at) { return bytes.at(at) | bytes.at(at + 1) << 8 | bytes.at(at + 2) << 16; };
  if (bytes.size() < 54 || word(18) != RadioGlyphSize || word(22) != RadioGlyphSize || word(28) != 24 ||
      word(30) != 0) {
    ADD_FAILURE() << name << " is not an uncompressed 13 x 13 24-bit bitmap";
    return {};
  }
  std::vector<TColor> pixels;
  for (int y = RadioGlyphSize - 1; y >= 0; --y) {
    for (int x = 0; x < RadioGlyphSize; ++x) {
      const std::size_t at = word(10) + y * 40 + x * 3;  // rows padded to 40 bytes
      pixels.push_back(RGBColor(bytes.at(at + 2), bytes.at(at + 1), bytes.at(at)));
    }
  }
  return pixels;
}

}  // namespace

TEST(RadioGlyphColors, MapEveryKeyForTheClassicScheme) {
  const RadioGlyphColorMap map = RadioGlyphColors(clWindow, ClassicScheme);
  const std::vector<GlyphColorMapping> expected{{0xFFFFFF, clWhite},
                                                {0x000000, 0x808081},  // grey shadow, nudged
                                                {0x008000, 0x8A8A8A},
                                                {0x808080, 0xBFBFBF},
                                                {0x800080, 0xBFBFBF},
                                                {0x000080, 0xD7D7D7},
                                                {0x00FF00, 0xD7D7D7},
                                                {0x0000FF, clWhite},
                                                {0xFF00FF, clWhite},
                                                {0x00FFFF, clWhite},
                                                {0x800000, RGBColor(10, 36, 106)},
                                                {0xFF0000, RGBColor(108, 124, 166)},
                                                {0xFFFF00, 0xCDCDCD},
                                                {0x008080, clWhite}};
  for (const GlyphColorMapping& m : expected) EXPECT_EQ(Replacement(map, m.key), m.replacement) << std::hex << m.key;
}

TEST(RadioGlyphColors, FollowTheControlColourAndNudgeAGreyHighlight) {
  const RadioGlyphColorMap map = RadioGlyphColors(clBtnFace, ClassicScheme);
  EXPECT_EQ(Replacement(map, 0x008080), 0xF0F0F0u);
  EXPECT_EQ(Replacement(map, 0xFFFF00), 0xC4C4C4u);
  const RadioGlyphColorMap grey = RadioGlyphColors(clWindow, [](int) -> TColor { return 0x808080; });
  EXPECT_EQ(Replacement(grey, 0x800000), 0x808081u);
  EXPECT_EQ(Replacement(grey, 0xFFFFFF), 0x808080u);
}

TEST(RadioGlyphPlacement, CentresTheGlyphAndIndentsTheCaption) {
  const Rect selector{5, 166, 35, 185};
  EXPECT_EQ(RadioGlyphOrigin(selector), (Point{5, 169}));
  EXPECT_EQ(RadioCaptionRect(selector), (Rect{19, 166, 35, 185}));
}

TEST(RadioGlyphResources, AreDrawnInKeyColoursOnWithADotWhenChecked) {
  std::set<TColor> keys;
  for (const GlyphColorMapping& m : RadioGlyphColors(clWindow, ClassicScheme)) keys.insert(m.key);
  const std::vector<TColor> checked = ReadGlyph("radio_checked.bmp");
  const std::vector<TColor> unchecked = ReadGlyph("radio_unchecked.bmp");
  ASSERT_EQ(checked.size(), 169u);
  ASSERT_EQ(unchecked.size(), 169u);
  for (TColor pixel : checked) EXPECT_EQ(keys.count(pixel), 1u) << std::hex << pixel;
  for (TColor pixel : unchecked) EXPECT_EQ(keys.count(pixel), 1u) << std::hex << pixel;
  EXPECT_EQ(checked.front(), 0x008080u);  // corners in the control's colour
  EXPECT_EQ(unchecked.back(), 0x008080u);
  EXPECT_EQ(checked[84], 0x800000u);  // the centre: the dot in the highlight key
  EXPECT_EQ(unchecked[84], 0xFFFFFFu);
}

TEST(RadioGlyphPixels, EachPixelIsReplacedOnceEvenWhenItsReplacementIsAnotherKey) {
  // A scheme whose window colour is the grey key: a second pass would turn the glyph's
  // white well into the blend meant for grey pixels.
  const RadioGlyphColorMap map = RadioGlyphColors(clWindow, [](int index) -> TColor {
    return index == 5 ? 0x808080 : index == 16 ? clBlack : 0x00FF00;
  });
  const std::vector<TColor> mapped = MapRadioGlyphPixels({0xFFFFFF, 0x808080, 0x123456}, map);
  EXPECT_EQ(mapped, (std::vector<TColor>{0x808080, Replacement(map, 0x808080), 0x123456}));
  EXPECT_NE(Replacement(map, 0x808080), 0x808080u);
}

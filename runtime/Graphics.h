#pragma once
// Fonts, pens and brushes as property sets that make their GDI object on demand, and the
// resolution of colour references to what GDI takes.
#include <windows.h>

#include <string>
#include "runtime/Callback.h"

#include "runtime/ColorMath.h"
#include "runtime/GdiObject.h"

// The screen's current system colours, for the colour arithmetic.
const SystemColorResolver& ScreenColors();
// A colour reference as GDI takes it; system colours resolve to their current value.
COLORREF ToColorRef(TColor color);

// A GDI object remade after a property change. The object it replaces stays alive until
// the next change, so a canvas that still has it selected can swap it out first.
class RemadeGdiObject {
 public:
  template <typename Make>
  HGDIOBJ Get(const Make& make) {
    if (!current_) current_ = GdiObject(make());
    return current_.Get();
  }
  void Changed();

 private:
  GdiObject current_;
  GdiObject retired_;
};

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

class TFont {
 public:
  TFont() = default;
  TFont(const TFont& other) { CopyProperties(other); }
  TFont& operator=(const TFont& other);

  const std::string& Name() const { return name_; }
  int Height() const { return height_; }  // negative: character height in pixels
  BYTE Charset() const { return charset_; }
  TColor Color() const { return color_; }
  unsigned Style() const { return style_; }
  void SetName(const std::string& name);
  void SetHeight(int height);
  void SetCharset(BYTE charset);
  void SetColor(TColor color);
  void SetStyle(unsigned style);
  bool SameAs(const TFont& other) const;

  HFONT Handle();
  Callback<void()> OnChange;  // after any property changes

 private:
  void CopyProperties(const TFont& other);
  void Changed();

  std::string name_ = "MS Sans Serif";
  int height_ = -11;
  BYTE charset_ = DEFAULT_CHARSET;
  TColor color_ = clWindowText;
  unsigned style_ = 0;
  RemadeGdiObject handle_;
};

enum class TPenMode { pmCopy, pmNotMerge };

class TPen {
 public:
  TColor Color() const { return color_; }
  int Width() const { return width_; }
  int Style() const { return style_; }  // PS_SOLID, PS_NULL, ...
  TPenMode Mode() const { return mode_; }
  void SetColor(TColor color);
  void SetWidth(int width);
  void SetStyle(int style);
  void SetMode(TPenMode mode) { mode_ = mode; }
  HPEN Handle();

 private:
  TColor color_ = clBlack;
  int width_ = 1;
  int style_ = PS_SOLID;
  TPenMode mode_ = TPenMode::pmCopy;
  RemadeGdiObject handle_;
};

enum class TBrushStyle { bsSolid, bsClear };

class TBrush {
 public:
  TColor Color() const { return color_; }
  TBrushStyle Style() const { return style_; }
  void SetColor(TColor color);
  void SetStyle(TBrushStyle style) { style_ = style; }
  HBRUSH Handle();  // the hollow stock brush while the style is clear

 private:
  TColor color_ = clWhite;
  TBrushStyle style_ = TBrushStyle::bsSolid;
  RemadeGdiObject handle_;
};

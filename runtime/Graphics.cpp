#include "runtime/Graphics.h"

#include <cstring>

const SystemColorResolver& ScreenColors() {
  static const SystemColorResolver resolver = [](int index) -> TColor { return GetSysColor(index); };
  return resolver;
}

COLORREF ToColorRef(TColor color) { return ColorToRGB(color, ScreenColors()); }

void RemadeGdiObject::Changed() {
  if (current_) retired_ = std::move(current_);
}

TFont& TFont::operator=(const TFont& other) {
  if (this != &other && !SameAs(other)) {
    CopyProperties(other);
    Changed();
  }
  return *this;
}

void TFont::CopyProperties(const TFont& other) {
  name_ = other.name_;
  height_ = other.height_;
  charset_ = other.charset_;
  color_ = other.color_;
  style_ = other.style_;
}

bool TFont::SameAs(const TFont& other) const {
  return name_ == other.name_ && height_ == other.height_ && charset_ == other.charset_ && color_ == other.color_ &&
         style_ == other.style_;
}

void TFont::SetName(const std::string& name) {
  if (name != name_) {
    name_ = name;
    Changed();
  }
}
void TFont::SetHeight(int height) {
  if (height != height_) {
    height_ = height;
    Changed();
  }
}
void TFont::SetCharset(BYTE charset) {
  if (charset != charset_) {
    charset_ = charset;
    Changed();
  }
}
void TFont::SetColor(TColor color) {
  // The colour is the text colour, not part of the GDI font.
  if (color != color_) {
    color_ = color;
    if (OnChange) OnChange();
  }
}
void TFont::SetStyle(unsigned style) {
  if (style != style_) {
    style_ = style;
    Changed();
  }
}

void TFont::Changed() {
  handle_.Changed();
  if (OnChange) OnChange();
}

HFONT TFont::Handle() {
  return static_cast<HFONT>(handle_.Get([this] {
    LOGFONTA font = {};
    font.lfHeight = height_;
    font.lfWeight = (style_ & fsBold) ? FW_BOLD : FW_NORMAL;
    font.lfItalic = (style_ & fsItalic) ? TRUE : FALSE;
    font.lfUnderline = (style_ & fsUnderline) ? TRUE : FALSE;
    font.lfStrikeOut = (style_ & fsStrikeOut) ? TRUE : FALSE;
    font.lfCharSet = charset_;
    font.lfOutPrecision = OUT_DEFAULT_PRECIS;
    font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    font.lfQuality = DEFAULT_QUALITY;
    font.lfPitchAndFamily = DEFAULT_PITCH;
    std::strncpy(font.lfFaceName, name_.c_str(), LF_FACESIZE - 1);
    return static_cast<HGDIOBJ>(CreateFontIndirectA(&font));
  }));
}

void TPen::SetColor(TColor color) {
  if (color != color_) {
    color_ = color;
    handle_.Changed();
  }
}
void TPen::SetWidth(int width) {
  if (width != width_) {
    width_ = width;
    handle_.Changed();
  }
}
void TPen::SetStyle(int style) {
  if (style != style_) {
    style_ = style;
    handle_.Changed();
  }
}

HPEN TPen::Handle() {
  return static_cast<HPEN>(
      handle_.Get([this] { return static_cast<HGDIOBJ>(CreatePen(style_, width_, ToColorRef(color_))); }));
}

void TBrush::SetColor(TColor color) {
  if (color != color_) {
    color_ = color;
    handle_.Changed();
  }
}

HBRUSH TBrush::Handle() {
  if (style_ == TBrushStyle::bsClear) return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
  return static_cast<HBRUSH>(
      handle_.Get([this] { return static_cast<HGDIOBJ>(CreateSolidBrush(ToColorRef(color_))); }));
}

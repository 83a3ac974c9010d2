#pragma once
// Drawing on a device context with a font, a pen and a brush that the canvas selects as
// each operation needs them. The canvas does not own the device context; it puts the
// context's own objects back when it goes.
// Texts are UTF-8; they are drawn and measured through the wide functions.
#include <windows.h>

#include <string>
#include <vector>

#include "runtime/Geometry.h"
#include "runtime/Graphics.h"
#include "runtime/NonCopyable.h"

inline RECT ToRECT(const Rect& r) { return {r.left, r.top, r.right, r.bottom}; }
inline Rect FromRECT(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

class TCanvas : NonCopyable {
 public:
  explicit TCanvas(HDC dc);
  ~TCanvas();

  HDC Handle() const { return dc_; }

  TFont Font;
  TPen Pen;
  TBrush Brush;

  void FillRect(const Rect& r);
  void Rectangle(const Rect& r);
  void Ellipse(const Rect& r);
  void Polygon(const std::vector<Point>& points);
  void Polyline(const std::vector<Point>& points);
  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  void SetPixel(int x, int y, TColor color);
  TColor GetPixel(int x, int y) const;

  // Text in the font's colour; the background is filled with the brush unless it is clear.
  void TextOut(int x, int y, const std::string& text);
  // Returns DrawText's height; with DT_CALCRECT `r` receives the measured rectangle.
  int DrawText(const std::string& text, Rect& r, UINT format);
  Size TextExtent(const std::string& text);
  int TextWidth(const std::string& text) { return TextExtent(text).width; }
  int TextHeight(const std::string& text) { return TextExtent(text).height; }
  TEXTMETRICA TextMetrics();
  UINT TextAlign() const { return GetTextAlign(dc_); }
  void SetTextAlign(UINT align) { ::SetTextAlign(dc_, align); }

  void DrawEdge(Rect& r, UINT edge, UINT flags);
  // Copies `size` pixels of `source` from its origin to (x, y).
  void Draw(int x, int y, HDC source, Size size);

 private:
  void UsePen();
  void UseBrush();
  void UseFont();

  HDC dc_;
  int savedState_;
  HGDIOBJ originalPen_, originalBrush_, originalFont_;
};

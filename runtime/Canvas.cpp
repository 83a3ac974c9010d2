#include "runtime/Canvas.h"

#include "runtime/WideText.h"

TCanvas::TCanvas(HDC dc)
    : dc_(dc),
      savedState_(SaveDC(dc)),
      originalPen_(GetCurrentObject(dc, OBJ_PEN)),
      originalBrush_(GetCurrentObject(dc, OBJ_BRUSH)),
      originalFont_(GetCurrentObject(dc, OBJ_FONT)) {}

TCanvas::~TCanvas() {
  // Our objects must be out of the context before their owners delete them.
  SelectObject(dc_, originalPen_);
  SelectObject(dc_, originalBrush_);
  SelectObject(dc_, originalFont_);
  if (savedState_) RestoreDC(dc_, savedState_);
}

void TCanvas::UsePen() {
  SelectObject(dc_, Pen.Handle());
  SetROP2(dc_, Pen.Mode() == TPenMode::pmNotMerge ? R2_NOTMERGEPEN : R2_COPYPEN);
}

void TCanvas::UseBrush() {
  SelectObject(dc_, Brush.Handle());
  SetBkColor(dc_, ToColorRef(Brush.Color()));
  SetBkMode(dc_, Brush.Style() == TBrushStyle::bsClear ? TRANSPARENT : OPAQUE);
}

void TCanvas::UseFont() {
  SelectObject(dc_, Font.Handle());
  SetTextColor(dc_, ToColorRef(Font.Color()));
}

void TCanvas::FillRect(const Rect& r) {
  const RECT rect = ToRECT(r);
  ::FillRect(dc_, &rect, Brush.Handle());
}

void TCanvas::Rectangle(const Rect& r) {
  UsePen();
  UseBrush();
  ::Rectangle(dc_, r.left, r.top, r.right, r.bottom);
}

void TCanvas::Ellipse(const Rect& r) {
  UsePen();
  UseBrush();
  ::Ellipse(dc_, r.left, r.top, r.right, r.bottom);
}

namespace {
std::vector<POINT> ToPOINTs(const std::vector<Point>& points) {
  std::vector<POINT> result;
  result.reserve(points.size());
  for (const Point& p : points) result.push_back({p.x, p.y});
  return result;
}
}  // namespace

void TCanvas::Polygon(const std::vector<Point>& points) {
  if (points.empty()) return;
  UsePen();
  UseBrush();
  const std::vector<POINT> native = ToPOINTs(points);
  ::Polygon(dc_, native.data(), static_cast<int>(native.size()));
}

void TCanvas::Polyline(const std::vector<Point>& points) {
  if (points.empty()) return;
  UsePen();
  const std::vector<POINT> native = ToPOINTs(points);
  ::Polyline(dc_, native.data(), static_cast<int>(native.size()));
}

void TCanvas::MoveTo(int x, int y) { MoveToEx(dc_, x, y, nullptr); }

void TCanvas::LineTo(int x, int y) {
  UsePen();
  ::LineTo(dc_, x, y);
}

void TCanvas::SetPixel(int x, int y, TColor color) {
  // The pen mode applies to pixels set through the canvas as well.
  if (Pen.Mode() == TPenMode::pmCopy) {
    ::SetPixelV(dc_, x, y, ToColorRef(color));
    return;
  }
  const COLORREF existing = ::GetPixel(dc_, x, y);
  ::SetPixelV(dc_, x, y, ~(existing | ToColorRef(color)) & 0xFFFFFF);
}

TColor TCanvas::GetPixel(int x, int y) const { return ::GetPixel(dc_, x, y); }

void TCanvas::TextOut(int x, int y, const std::string& text) {
  UseFont();
  UseBrush();
  const std::wstring wide = WideFromUtf8(text);
  ::TextOutW(dc_, x, y, wide.c_str(), static_cast<int>(wide.size()));
}

int TCanvas::DrawText(const std::string& text, Rect& r, UINT format) {
  UseFont();
  UseBrush();
  RECT rect = ToRECT(r);
  const std::wstring wide = WideFromUtf8(text);
  const int height = ::DrawTextW(dc_, wide.c_str(), static_cast<int>(wide.size()), &rect, format);
  if (format & DT_CALCRECT) r = FromRECT(rect);
  return height;
}

Size TCanvas::TextExtent(const std::string& text) {
  UseFont();
  SIZE size = {0, 0};
  const std::wstring wide = WideFromUtf8(text);
  GetTextExtentPoint32W(dc_, wide.c_str(), static_cast<int>(wide.size()), &size);
  return {size.cx, size.cy};
}

TEXTMETRICA TCanvas::TextMetrics() {
  UseFont();
  TEXTMETRICA metrics = {};
  GetTextMetricsA(dc_, &metrics);
  return metrics;
}

void TCanvas::DrawEdge(Rect& r, UINT edge, UINT flags) {
  RECT rect = ToRECT(r);
  ::DrawEdge(dc_, &rect, edge, flags);
  if (flags & BF_ADJUST) r = FromRECT(rect);
}

void TCanvas::Draw(int x, int y, HDC source, Size size) {
  BitBlt(dc_, x, y, size.width, size.height, source, 0, 0, SRCCOPY);
}

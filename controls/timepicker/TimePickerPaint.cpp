// How the time picker paints itself: background, text strip, clock face, separator,
// AM/PM selectors and Set button, each themed while visual styles are on and drawn
// classically otherwise.
#include <windows.h>
// The theme headers need the platform's types first.
#include <uxtheme.h>
#include <vsstyle.h>

#include <string>
#include <vector>

#include "controls/timepicker/PickerTime.h"
#include "controls/timepicker/RadioGlyph.h"
#include "controls/timepicker/RadioGlyphBitmap.h"
#include "controls/timepicker/TimePicker.h"
#include "runtime/FormatDateTime.h"
#include "runtime/NumberText.h"
#include "runtime/OffscreenBitmap.h"
#include "runtime/Theme.h"

namespace {
constexpr UINT CentredLine = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
constexpr int SeparatorMargin = 5;
constexpr int FocusDarkening = 40;  // lightness taken from the face colour for the focus outline

bool IsFlat(TFrameStyleEx style) { return style == fsFlat || style == fsFlatBold; }
}  // namespace

void TRzTimePicker::Paint(TCanvas& canvas) {
  PaintBackground(canvas);
  const ClockLayout layout = Layout();
  canvas.Font = Font();
  PaintTextStrip(canvas, layout);
  PaintClockFace(canvas, layout);
  canvas.Font = Font();  // the numerals changed it
  PaintSeparator(canvas, layout);
  PaintRadioSelector(canvas, layout.am, ShownCaptionAM(), !pm_);
  PaintRadioSelector(canvas, layout.pm, ShownCaptionPM(), pm_);
  if (showSetButton_) PaintSetButton(canvas, layout.set);
}

HWND TRzTimePicker::ThemeWindow() { return HandleAllocated() ? Handle() : nullptr; }

void TRzTimePicker::PaintBackground(TCanvas& canvas) {
  if (!themes_.DrawPart(ThemeWindow(), L"EDIT", canvas.Handle(), 0, 0, ClientRect())) TRzCustomPanel::Paint(canvas);
}

void TRzTimePicker::PaintTextStrip(TCanvas& canvas, const ClockLayout& layout) {
  Rect strip = layout.text;
  if (!themes_.DrawPart(ThemeWindow(), L"HEADER", canvas.Handle(), 0, 0, strip))
    canvas.DrawEdge(strip, BDR_RAISEDINNER, BF_RECT | BF_MIDDLE | (IsFlat(BorderOuter()) ? BF_FLAT : 0));
  canvas.Brush.SetStyle(TBrushStyle::bsClear);
  Rect textRect = layout.text;
  canvas.DrawText(FormatDateTime(format_.empty() ? PickerDefaultFormat : format_, time_), textRect, CentredLine);
  canvas.Brush.SetStyle(TBrushStyle::bsSolid);
  if (!Focused()) return;
  // The face's darker outline alone is too faint to show a keyboard user where the focus is.
  const Rect frame = strip.Inset(2, 2, 2, 2);
  const RECT focusFrame = {frame.left, frame.top, frame.right, frame.bottom};
  DrawFocusRect(canvas.Handle(), &focusFrame);
}

void TRzTimePicker::PaintClockFace(TCanvas& canvas, const ClockLayout& layout) {
  const Point centre = layout.centre;
  const int radius = layout.radius;
  if (radius <= 0) return;  // nothing fits; a zero numeral height would mean the default size
  const TRzClockFaceColors& colors = clockFaceColors_;

  // A filled disc whose outline shows only while the control has the focus.
  const TColor face = colors.Face();
  canvas.Pen.SetColor(Focused() ? LowerLightness(face, FocusDarkening, ScreenColors()) : face);
  canvas.Brush.SetColor(face);
  canvas.Ellipse(layout.clock);

  canvas.Font.SetStyle(fsBold);
  canvas.Font.SetHeight(NumeralFontHeight(radius));
  canvas.Font.SetColor(colors.Numbers());
  const UINT savedAlign = canvas.TextAlign();
  canvas.SetTextAlign(TA_CENTER | TA_TOP);
  const auto numerals = NumeralPositions(centre, radius, canvas.TextHeight("0"));
  for (std::size_t i = 0; i < numerals.size(); ++i) canvas.TextOut(numerals[i].x, numerals[i].y, ZeroPadded(i + 1));

  const ClockTicks ticks = TickMarks(centre, radius);
  canvas.Pen.SetColor(colors.HourTicks());
  canvas.Brush.SetColor(colors.HourTicks());
  for (const Rect& mark : ticks.hourMarks) canvas.Rectangle(mark);
  for (const Point& dot : ticks.minuteDots) canvas.SetPixel(dot.x, dot.y, colors.MinuteTicks());

  // The hour hand last, so it lies on top.
  canvas.Pen.SetColor(colors.Hands());
  canvas.Brush.SetColor(colors.Hands());
  const int minutes = MinutesOfDay(time_);
  const HandPolygon minuteHand = MinuteHand(centre, radius, minutes % 60);
  canvas.Polygon(std::vector<Point>(minuteHand.begin(), minuteHand.end()));
  const HandPolygon hourHand = HourHand(centre, radius, minutes / 60);
  canvas.Polygon(std::vector<Point>(hourHand.begin(), hourHand.end()));
  canvas.SetTextAlign(savedAlign);
}

void TRzTimePicker::PaintSeparator(TCanvas& canvas, const ClockLayout& layout) {
  const int y = layout.am.top - SeparatorMargin;
  const int right = Width() - SeparatorMargin;
  if (themes_.DrawPart(ThemeWindow(), L"TOOLBAR", canvas.Handle(), TP_SEPARATORVERT, TS_NORMAL,
                       {SeparatorMargin, y, right, y + 3}))
    return;
  canvas.Pen.SetColor(clBtnShadow);
  canvas.MoveTo(SeparatorMargin, y);
  canvas.LineTo(right, y);
}

void TRzTimePicker::PaintRadioSelector(TCanvas& canvas, const Rect& r, const std::string& caption, bool checked) {
  const Point origin = RadioGlyphOrigin(r);
  bool themed = false;
  if (VisualStylesActive()) {
    OffscreenBitmap glyph({RadioGlyphSize, RadioGlyphSize});
    glyph.Canvas().Brush.SetColor(Color());
    glyph.Canvas().FillRect({0, 0, RadioGlyphSize, RadioGlyphSize});
    themed = themes_.DrawPart(ThemeWindow(), L"BUTTON", glyph.Dc(), BP_RADIOBUTTON,
                              checked ? RBS_CHECKEDNORMAL : RBS_UNCHECKEDNORMAL,
                              {0, 0, RadioGlyphSize, RadioGlyphSize});
    if (themed) canvas.Draw(origin.x, origin.y, glyph.Dc(), glyph.Dimensions());
  }
  if (!themed) DrawClassicRadioGlyph(canvas, origin, checked, Color());
  canvas.Brush.SetColor(Color());
  Rect captionRect = RadioCaptionRect(r);
  canvas.DrawText(caption, captionRect, CentredLine);
}

void TRzTimePicker::PaintSetButton(TCanvas& canvas, const Rect& r) {
  const bool pressed = leftDown_ && pressed_ == PickerPart::Set;
  Rect captionRect = r;
  if (themes_.DrawPart(ThemeWindow(), L"BUTTON", canvas.Handle(), BP_PUSHBUTTON, pressed ? PBS_PRESSED : PBS_NORMAL,
                       r)) {
    canvas.Brush.SetStyle(TBrushStyle::bsClear);
  } else {
    canvas.Brush.SetColor(clBtnFace);
    const UINT edge = pressed ? EDGE_SUNKEN : IsFlat(BorderOuter()) ? EDGE_ETCHED : EDGE_RAISED;
    canvas.DrawEdge(captionRect, edge, BF_RECT | BF_MIDDLE | BF_ADJUST);
    if (pressed) captionRect = captionRect.Inset(2, 2, -2, -2);  // the caption moves with the press
  }
  canvas.DrawText(ShownCaptionSet(), captionRect, CentredLine);
  canvas.Brush.SetStyle(TBrushStyle::bsSolid);
}

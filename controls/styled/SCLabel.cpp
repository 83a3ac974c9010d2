#include "controls/styled/SCLabel.h"

#include "controls/styled/SCPaint.h"

TSCLabel::TSCLabel(TComponent* owner) : TSCCustomControl(owner) { SetParentColor(true); }

TextPlacement TSCLabel::Placement() const {
  TextPlacement placement;
  placement.alignment = alignment_;
  placement.layout = layout_;
  placement.wordWrap = multiline_;
  return placement;
}

void TSCLabel::Paint(TCanvas& canvas) {
  const Rect client = ClientRect();
  const TColor background = Color() == clNone ? clWindow : Color();
  PanelGradient gradient = gradient_;
  gradient.color = background;
  if (gradient.direction != scgNone && gradient.end != background && gradient.end != clNone) {
    for (const GradientSpan& span : PanelGradientSpans(client, gradient)) FillGradient(canvas, span);
  } else {
    PaintBackground(canvas, background);
  }

  const LabelTone tone = LabelTextTone(Tracking(), hottrack_, Enabled());
  if (tone != LabelTone::Font) {
    canvas.Font.SetColor(tone == LabelTone::Hottrack ? hottrackColor_ : highlightColor_);
    canvas.Font.SetStyle(canvas.Font.Style() | fsUnderline);
  }
  const TextPlacement placement = Placement();
  DrawCaption(canvas, Caption(), client, placement, Enabled());

  if (!showFocus_ || !Tracking().focused) return;
  const Rect text = MeasureText(canvas, Caption(), client, placement);
  DrawFocusDots(canvas, text.Inset(-2, -2, -2, -2).ClippedTo(client), background);
}

void TSCLabel::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TSCCustomControl::MouseDown(button, shift, x, y);
  if (button != TMouseButton::mbLeft || !Focused()) return;
  TrackingState().MousePressed();
  Invalidate();
}

void TSCLabel::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TrackingState().MouseReleased();
  Invalidate();
  TSCCustomControl::MouseUp(button, shift, x, y);
}

void TSCLabel::KeyDown(WORD& key, TShiftState shift) {
  TSCCustomControl::KeyDown(key, shift);
  if (hottrack_ && (key == VK_RETURN || key == VK_SPACE)) Click();
}

void TSCLabel::Describe(AccessibleFacts& facts) {
  TSCCustomControl::Describe(facts);
  const bool link = hottrack_ && TabStop();
  facts.role = link ? AccessibleRole::Link : AccessibleRole::StaticText;
  facts.linked = link;
  facts.readOnly = !link;
  if (link) facts.defaultAction = "Jump";
  facts.invisible = facts.invisible || facts.name.empty();  // shows nothing
}

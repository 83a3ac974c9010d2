#include "controls/styled/SCButton.h"

#include "controls/styled/SCPaint.h"
#include "controls/styled/SCText.h"
#include "runtime/Accelerator.h"
#include "runtime/Form.h"

namespace {

void SetCorners(TCanvas& canvas, const Rect& r, TColor top, TColor bottom) {
  canvas.SetPixel(r.left, r.top, top);
  canvas.SetPixel(r.right - 1, r.top, top);
  canvas.SetPixel(r.left, r.bottom - 1, bottom);
  canvas.SetPixel(r.right - 1, r.bottom - 1, bottom);
}

// Rounds the dark border off: two pixels beside each corner in the lightened border
// colours, and the face's corners a little darker.
void SoftenBorderCorners(TCanvas& canvas, const Rect& client, TColor top, TColor bottom) {
  const Rect r = client.Inset(1, 1, 1, 1);
  for (const Point& p :
       {Point{r.left + 1, r.top}, Point{r.left, r.top + 1}, Point{r.right - 2, r.top}, Point{r.right - 1, r.top + 1}})
    canvas.SetPixel(p.x, p.y, top);
  for (const Point& p : {Point{r.left, r.bottom - 2}, Point{r.left + 1, r.bottom - 1}, Point{r.right - 1, r.bottom - 2},
                         Point{r.right - 2, r.bottom - 1}})
    canvas.SetPixel(p.x, p.y, bottom);
  SetCorners(canvas, client.Inset(2, 2, 2, 2), Lowered(top, 32), Lowered(bottom, 32));
}

TForm* FormOf(TWinControl* control) {
  for (TWinControl* c = control; c; c = c->Parent())
    if (TForm* form = c->AsForm()) return form;
  return nullptr;
}

}  // namespace

TSCButton::TSCButton(TComponent* owner) : TSCCustomControl(owner) {
  SetColor(clBtnFace);
  SetTabStop(true);
}

TColor TSCButton::RoundColor() const { return roundWithParentColor_ && Parent() ? Parent()->Color() : roundColor_; }

void TSCButton::SetRoundColor(TColor color) {
  roundWithParentColor_ = false;
  roundColor_ = color;
  Invalidate();
}

TSCGradient TSCButton::ShadingDirection() const {
  return gradient_ == scbgLeftToRight ? scgLeftToRight : scgTopToBottom;
}

void TSCButton::Paint(TCanvas& canvas) {
  const bool pressed = ButtonLooksPressed(Tracking());
  PaintFrameAndFace(canvas, pressed);
  PaintCaption(canvas, pressed);
  if (showFocus_ && Tracking().focused) DrawFocusDots(canvas, ClientRect().Inset(3, 3, 3, 3), Color());
}

void TSCButton::PaintFrameAndFace(TCanvas& canvas, bool pressed) {
  const TSCGradient direction = ShadingDirection();
  const auto fill = [&canvas, direction](const Rect& r, TColor start, TColor end) {
    FillGradient(canvas, {r, direction, start, end});
  };
  const Rect client = ClientRect();
  const TColor haloTop = Lowered(clBtnFace, 16);
  const TColor haloBottom = Raised(clBtnFace, 48);
  fill(client, haloTop, haloBottom);
  SetCorners(canvas, client, RoundColor(), RoundColor());

  Rect r = client.Inset(1, 1, 1, 1);
  const TColor borderTop = Lowered(Color(), 144);
  const TColor borderBottom = Raised(borderTop, 16);
  fill(r, borderTop, borderBottom);
  SetCorners(canvas, r, haloTop, haloBottom);
  r = r.Inset(1, 1, 1, 1);

  const Ring ring = ButtonRing(Tracking(), Enabled());
  if (ring != Ring::None) {
    const TColor c = ring == Ring::Hottrack ? hottrackColor_ : highlightColor_;
    if (pressed) {
      fill(r, Lowered(c, 16), Raised(c, 16));
    } else {
      fill(r, Raised(c, 64), Lowered(c, 16));
    }
    r = r.Inset(2, 2, 2, 2);
  }
  const TColor faceTop = pressed ? Raised(Color(), 24) : Raised(Color(), 48);
  fill(r, faceTop, pressed ? Raised(Color(), 48) : Lowered(Color(), 24));
  if (ring == Ring::None && !r.IsEmpty()) {
    // Without a ring the face reaches the border; its sides keep a light edge.
    canvas.Pen.SetColor(faceTop);
    for (int x : {r.left, r.right - 1}) {
      canvas.MoveTo(x, r.top);
      canvas.LineTo(x, r.bottom);
    }
  }
  SoftenBorderCorners(canvas, client, Raised(borderTop, 64), Raised(borderBottom, 64));
}

void TSCButton::PaintCaption(TCanvas& canvas, bool pressed) {
  TextPlacement placement;
  placement.alignment = taCenter;
  placement.wordWrap = multiline_;
  placement.extraFlags = endEllipsis_ ? DT_END_ELLIPSIS : 0;
  const int shift = pressed ? 1 : 0;  // a pressed button's caption sinks by a pixel
  DrawCaption(canvas, Caption(), ClientRect().Inset(3 + shift, 3 + shift, 3 - shift, 3 - shift), placement, Enabled());
}

void TSCButton::Click() {
  if (TForm* form = FormOf(this)) form->SetModalResult(modalResult_);
  TSCCustomControl::Click();
}

void TSCButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TSCCustomControl::MouseDown(button, shift, x, y);
  if (button != TMouseButton::mbLeft || !Enabled() || !Focused() || GetCapture() != Handle()) return;
  TrackingState().MousePressed();
  if (!Tracking().keyHeld) Invalidate();
}

void TSCButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == TMouseButton::mbLeft && TrackingState().MouseReleased() && !Tracking().keyHeld) Invalidate();
  TSCCustomControl::MouseUp(button, shift, x, y);
}

void TSCButton::MouseInControlChanged() {
  if (!Tracking().keyHeld) Invalidate();
}

void TSCButton::KeyDown(WORD& key, TShiftState shift) {
  TSCCustomControl::KeyDown(key, shift);
  StartKeyPress(key);
  if (key == VK_RETURN) Click();  // a focused button is the one Enter presses
}

void TSCButton::KeyUp(WORD key) {
  if (EndKeyPress(key) && key == VK_SPACE && !Tracking().mouseHeld) Click();
}

bool TSCButton::DialogChar(char key) {
  if (!IsAcceleratorOf(key, Caption()) || !CanFocus()) return false;
  Click();
  return true;
}

void TSCButton::Describe(AccessibleFacts& facts) {
  TSCCustomControl::Describe(facts);
  facts.role = AccessibleRole::PushButton;
  facts.defaultAction = "Press";
}

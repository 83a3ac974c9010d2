#include "controls/styled/SCCheckbox.h"

#include "controls/styled/SCPaint.h"
#include "runtime/Accelerator.h"

namespace {
// The box in the platform's colours: the window's while it can be ticked, the button
// face while pressed, grayed or disabled.
constexpr TColor BoxOpenFill = clWindow;
constexpr TColor BoxInactiveFill = clBtnFace;
constexpr TColor BoxFrame = clBtnShadow;
constexpr TColor Mark = clWindowText;
constexpr TColor MarkInactive = clGrayText;
// Pixels from the edge to the box, and from the box to the caption.
constexpr int BoxIndent = 0;
constexpr int BoxToCaption = 4;
}  // namespace

TSCCheckbox::TSCCheckbox(TComponent* owner) : TSCCustomControl(owner) {
  SetParentColor(true);
  SetTabStop(true);
}

void TSCCheckbox::SetState(TSCCheckState state) {
  if (value_.SetState(state)) StateChanged();
}

void TSCCheckbox::SetChecked(bool checked) {
  if (value_.SetChecked(checked)) StateChanged();
}

void TSCCheckbox::StateChanged() {
  Invalidate();
  TellScreenReaders(EVENT_OBJECT_STATECHANGE);
}

void TSCCheckbox::SetAllowGrayed(bool allowGrayed) {
  if (value_.SetAllowGrayed(allowGrayed)) Invalidate();
}

TColor TSCCheckbox::BoxFill() const {
  if (!Enabled() || CheckboxLooksPressed(Tracking()) || State() == sccbGrayed) return BoxInactiveFill;
  return BoxOpenFill;
}

void TSCCheckbox::Paint(TCanvas& canvas) {
  const Rect client = ClientRect();
  if (gradient_ != scgNone && gradientEnd_ != Color() && gradientEnd_ != clNone) {
    FillGradient(canvas, {client, gradient_, Color(), gradientEnd_});
  } else {
    PaintBackground(canvas, Color());
  }
  const CheckboxPlaces places = PlaceCheckbox(client, alignment_ == taRightJustify, layout_, BoxIndent, BoxToCaption);
  PaintBox(canvas, places.box);
  PaintCaption(canvas, places.caption);
}

void TSCCheckbox::PaintBox(TCanvas& canvas, const Rect& box) {
  canvas.Brush.SetStyle(TBrushStyle::bsSolid);
  canvas.Brush.SetColor(BoxFill());
  canvas.FillRect(box);
  if (State() != sccbUnchecked) {
    canvas.Pen.SetColor(!Enabled() || State() == sccbGrayed ? MarkInactive : Mark);
    canvas.Pen.SetStyle(PS_SOLID);
    canvas.Pen.SetWidth(1);
    canvas.Pen.SetMode(TPenMode::pmCopy);
    std::vector<Point> stroke = CheckMarkStroke(box);
    for (int pass = 0; pass < 3; ++pass) {
      canvas.Polyline(stroke);
      for (Point& p : stroke) ++p.y;
    }
  }
  const Ring ring = CheckboxRing(Tracking(), Enabled());
  if (ring != Ring::None) {
    const TColor c = ring == Ring::Hottrack ? hottrackColor_ : highlightColor_;
    const bool pressed = CheckboxLooksPressed(Tracking());
    const TColor topLeft = pressed ? Lowered(c, 16) : Raised(c, 64);
    const TColor bottomRight = pressed ? Raised(c, 16) : Lowered(c, 16);
    Rect inner = box.Inset(1, 1, 1, 1);
    Frame3D(canvas, inner, topLeft, bottomRight);
    Frame3D(canvas, inner, topLeft, bottomRight);
  }
  Rect frame = box;
  Frame3D(canvas, frame, BoxFrame, BoxFrame);
}

void TSCCheckbox::PaintCaption(TCanvas& canvas, const Rect& room) {
  TextPlacement placement;
  placement.alignment = alignment_ == taRightJustify ? taLeftJustify : taRightJustify;
  placement.layout = layout_ == scclBottom ? sclaBottom : layout_ == scclTop ? sclaTop : sclaMiddle;
  placement.wordWrap = multiline_;
  placement.extraFlags = endEllipsis_ ? DT_END_ELLIPSIS : 0;
  DrawCaption(canvas, Caption(), room, placement, Enabled());
  if (!showFocus_ || !Tracking().focused) return;
  // An empty caption, or a lone "&", still gets a frame one blank wide.
  const std::string measured = Caption().empty() || Caption() == "&" ? " " : Caption();
  const Rect text = MeasureText(canvas, measured, room, placement).ClippedTo(room);
  DrawFocusDots(canvas, CaptionFocusFrame(text, ClientRect()), Color());
}

void TSCCheckbox::Click() {
  // The window's click follows a release over the box; it reports the toggle that
  // release made, and nothing when a lost focus abandoned the press.
  if (!toggledByMouse_) return;
  toggledByMouse_ = false;
  Change();
  TSCCustomControl::Click();
}

void TSCCheckbox::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TSCCustomControl::MouseDown(button, shift, x, y);
  if (button != TMouseButton::mbLeft) return;
  TrackingState().MousePressed();
  if (!Tracking().keyHeld) Invalidate();
}

void TSCCheckbox::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  toggledByMouse_ = false;
  if (button == TMouseButton::mbLeft && TrackingState().MouseReleased()) {
    if (ClientRect().Contains({x, y})) {
      Toggle();
      toggledByMouse_ = true;
    }
    Invalidate();
  }
  TSCCustomControl::MouseUp(button, shift, x, y);
}

void TSCCheckbox::KeyDown(WORD& key, TShiftState shift) {
  TSCCustomControl::KeyDown(key, shift);
  StartKeyPress(key);
}

void TSCCheckbox::KeyUp(WORD key) {
  if (EndKeyPress(key) && key == VK_SPACE) Toggle();
}

bool TSCCheckbox::DialogChar(char key) {
  if (!IsAcceleratorOf(key, Caption()) || !CanFocus()) return false;
  SetFocus();
  if (Focused()) Toggle();
  return true;
}

LRESULT TSCCheckbox::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == BM_GETCHECK) {
    if (State() == sccbGrayed) return BST_INDETERMINATE;
    return Checked() ? BST_CHECKED : BST_UNCHECKED;
  }
  return TSCCustomControl::WndProc(message, wParam, lParam);
}

void TSCCheckbox::Describe(AccessibleFacts& facts) {
  TSCCustomControl::Describe(facts);
  facts.role = AccessibleRole::CheckButton;
  facts.checked = Checked();
  facts.defaultAction = Checked() ? "Uncheck" : "Check";
}

#include "runtime/WinControl.h"

#include <windowsx.h>

#include <algorithm>

#include "runtime/Accelerator.h"
#include "runtime/Accessible.h"
#include "runtime/ControlClass.h"
#include "runtime/Exception.h"
#include "runtime/OffscreenBitmap.h"
#include "runtime/ScopedHandles.h"
#include "runtime/SystemError.h"
#include "runtime/WideText.h"

TShiftState KeyboardShiftState() {
  TShiftState shift = 0;
  if (GetKeyState(VK_SHIFT) < 0) shift |= ssShift;
  if (GetKeyState(VK_CONTROL) < 0) shift |= ssCtrl;
  if (GetKeyState(VK_MENU) < 0) shift |= ssAlt;
  return shift;
}

namespace {
TShiftState MouseShiftState(WPARAM keys) {
  TShiftState shift = 0;
  if (keys & MK_SHIFT) shift |= ssShift;
  if (keys & MK_CONTROL) shift |= ssCtrl;
  if (keys & MK_LBUTTON) shift |= ssLeft;
  if (keys & MK_RBUTTON) shift |= ssRight;
  if (keys & MK_MBUTTON) shift |= ssMiddle;
  if (GetKeyState(VK_MENU) < 0) shift |= ssAlt;
  return shift;
}

void Erase(std::vector<TWinControl*>& list, TWinControl* item) {
  list.erase(std::remove(list.begin(), list.end(), item), list.end());
}
}  // namespace

TWinControl::TWinControl(TComponent* owner) : TComponent(owner) {
  font_.OnChange = [this] {
    parentFont_ = false;
    FontChanged();
    NotifyChildren(&TWinControl::ParentFontChanged);
  };
}

TWinControl::~TWinControl() {
  for (TWinControl* child : children_) child->parent_ = nullptr;  // their windows go with ours
  if (parent_) {
    Erase(parent_->children_, this);
    Erase(parent_->tabList_, this);
  }
  DestroyHandle();
}

void TWinControl::SetParent(TWinControl* parent) {
  if (parent == parent_) return;
  if (parent_) {
    Erase(parent_->children_, this);
    Erase(parent_->tabList_, this);
    DestroyHandle();
  }
  parent_ = parent;
  if (!parent_) return;
  parent_->children_.push_back(this);
  parent_->tabList_.push_back(this);
  if (parentFont_) ParentFontChanged();
  if (parentColor_) ParentColorChanged();
  if (parent_->HandleAllocated()) CreateHandle();
  RequestParentAlign();
}

HWND TWinControl::Handle() {
  if (!handle_) {
    if (parent_) parent_->Handle();
    if (!handle_) CreateHandle();
  }
  return handle_;
}

void TWinControl::CreateParams(TCreateParams& params) {
  params.style = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
  if (parent_) params.parent = parent_->Handle();
}

void TWinControl::CreateHandle() {
  TCreateParams params;
  CreateParams(params);
  if (visible_) params.style |= WS_VISIBLE;
  if (!enabled_) params.style |= WS_DISABLED;
  if (tabStop_) params.style |= WS_TABSTOP;
  if (params.caption.empty()) params.caption = caption_;
  const bool child = (params.style & WS_CHILD) != 0;
  // A top-level window gets the bounds of its client area from the control's size.
  RECT frame = {0, 0, bounds_.width, bounds_.height};
  if (!child) AdjustWindowRectEx(&frame, params.style, FALSE, params.exStyle);
  handle_ = CreateWindowExW(params.exStyle, ControlClassName(), WideFromUtf8(params.caption).c_str(), params.style,
                            child ? bounds_.left : bounds_.left + frame.left,
                            child ? bounds_.top : bounds_.top + frame.top, frame.right - frame.left,
                            frame.bottom - frame.top, params.parent, nullptr, ControlClassInstance(), this);
  if (!handle_) throw Exception("Cannot create a window: " + LastErrorText());
  CreateWnd();
  for (TWinControl* child : children_)
    if (!child->handle_) child->CreateHandle();
  AlignControls();
}

void TWinControl::DestroyHandle() {
  if (!handle_) return;
  HWND window = handle_;
  // From here on the window's messages no longer reach this object, which may be
  // half destroyed already.
  SetWindowLongPtrW(window, GWLP_USERDATA, 0);
  handle_ = nullptr;
  for (TWinControl* child : children_) child->handle_ = nullptr;
  DestroyWindow(window);
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
  ConstrainSize(width, height);
  if (left == bounds_.left && top == bounds_.top && width == bounds_.width && height == bounds_.height) return;
  const bool resized = width != bounds_.width || height != bounds_.height;
  bounds_ = {left, top, width, height};
  if (handle_) {
    if (GetWindowLongA(handle_, GWL_STYLE) & WS_CHILD) {
      MoveWindow(handle_, left, top, width, height, TRUE);
    } else {
      RECT frame = {0, 0, width, height};
      AdjustWindowRectEx(&frame, GetWindowLongA(handle_, GWL_STYLE), FALSE, GetWindowLongA(handle_, GWL_EXSTYLE));
      MoveWindow(handle_, left + frame.left, top + frame.top, frame.right - frame.left, frame.bottom - frame.top, TRUE);
    }
  }
  if (resized) {
    AlignControls();
    Resized();
  }
  RequestParentAlign();
}

void TWinControl::SetAlign(TAlign align) {
  if (align == align_) return;
  align_ = align;
  RequestParentAlign();
}

void TWinControl::RequestParentAlign() {
  if (parent_ && align_ != TAlign::alNone) parent_->AlignControls();
}

void TWinControl::AlignControls() {
  if (aligning_) return;
  aligning_ = true;
  std::vector<AlignedChild> boxes;
  std::vector<TWinControl*> aligned;
  for (TWinControl* child : children_) {
    if (child->align_ == TAlign::alNone || !child->visible_) continue;
    boxes.push_back({child->align_, child->bounds_});
    aligned.push_back(child);
  }
  const Rect area = AlignRect();
  AlignChildren({area.left, area.top, area.Width(), area.Height()}, boxes);
  for (std::size_t i = 0; i < aligned.size(); ++i) {
    const AlignBox& b = boxes[i].bounds;
    aligned[i]->SetBounds(b.left, b.top, b.width, b.height);
  }
  aligning_ = false;
}

Point TWinControl::ClientToScreen(Point p) {
  POINT native = {p.x, p.y};
  ::ClientToScreen(Handle(), &native);
  return {native.x, native.y};
}

Point TWinControl::ScreenToClient(Point p) {
  POINT native = {p.x, p.y};
  ::ScreenToClient(Handle(), &native);
  return {native.x, native.y};
}

void TWinControl::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  if (handle_) ShowWindow(handle_, visible ? SW_SHOWNA : SW_HIDE);
  if (parent_ && align_ != TAlign::alNone) parent_->AlignControls();
}

void TWinControl::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  if (handle_) EnableWindow(handle_, enabled);
  EnabledChanged();
}

void TWinControl::SetTabStop(bool tabStop) {
  tabStop_ = tabStop;
  if (handle_) {
    const LONG style = GetWindowLongA(handle_, GWL_STYLE);
    SetWindowLongA(handle_, GWL_STYLE, tabStop ? style | WS_TABSTOP : style & ~WS_TABSTOP);
  }
}

int TWinControl::TabOrder() const {
  if (!parent_) return -1;
  const auto& list = parent_->tabList_;
  return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

void TWinControl::SetTabOrder(int order) {
  if (!parent_) return;
  auto& list = parent_->tabList_;
  Erase(list, this);
  order = std::clamp(order, 0, static_cast<int>(list.size()));
  list.insert(list.begin() + order, this);
}

bool TWinControl::Focused() const { return handle_ && GetFocus() == handle_; }

bool TWinControl::CanFocus() const {
  for (const TWinControl* c = this; c; c = c->parent_)
    if (!c->visible_ || !c->enabled_) return false;
  return true;
}

void TWinControl::SetFocus() {
  if (CanFocus()) ::SetFocus(Handle());
}

void TWinControl::SetColor(TColor color) {
  if (color == color_ && !parentColor_) return;
  color_ = color;
  parentColor_ = false;
  ColorChanged();
  NotifyChildren(&TWinControl::ParentColorChanged);
}

void TWinControl::SetParentColor(bool parentColor) {
  parentColor_ = parentColor;
  if (parentColor_) ParentColorChanged();
}

void TWinControl::ParentColorChanged() {
  if (!parentColor_ || !parent_) return;
  color_ = parent_->color_;
  ColorChanged();
  NotifyChildren(&TWinControl::ParentColorChanged);
}

void TWinControl::ParentFontChanged() {
  if (!parentFont_ || !parent_ || font_.SameAs(parent_->font_)) return;
  auto onChange = std::move(font_.OnChange);
  font_ = parent_->font_;
  font_.OnChange = std::move(onChange);
  FontChanged();
  NotifyChildren(&TWinControl::ParentFontChanged);
}

void TWinControl::NotifyChildren(void (TWinControl::*notify)()) {
  for (TWinControl* child : children_) (child->*notify)();
}

void TWinControl::SetCaption(const std::string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  if (handle_) SetWindowTextW(handle_, WideFromUtf8(caption).c_str());
  TextChanged();
  TellScreenReaders(EVENT_OBJECT_NAMECHANGE);
}

void TWinControl::TellScreenReaders(DWORD event) {
  if (handle_) AnnounceToScreenReaders(handle_, event);
}

std::string TWinControl::AccessibleName() const {
  if (!caption_.empty() || !labelledBy_) return CaptionText(caption_);
  return labelledBy_->AccessibleName();
}

void TWinControl::Describe(AccessibleFacts& facts) {
  facts.role = AccessibleRole::Grouping;
  facts.name = AccessibleName();
  if (!caption_.empty() || !labelledBy_) {
    facts.shortcut = AcceleratorKeyName(caption_);
  } else if (labelKeyFocusesThis_) {
    facts.shortcut = AcceleratorKeyName(labelledBy_->Caption());
  }
  facts.focusable = tabStop_ && CanFocus();
  facts.focused = Focused();
  facts.unavailable = !enabled_;
  facts.invisible = !handle_ || !IsWindowVisible(handle_);  // hidden with a parent too
}

void TWinControl::Invalidate() {
  if (handle_) InvalidateRect(handle_, nullptr, FALSE);
}

void TWinControl::Update() {
  if (handle_) UpdateWindow(handle_);
}

void TWinControl::Paint(TCanvas& canvas) {
  canvas.Brush.SetColor(color_);
  canvas.FillRect(ClientRect());
}

void TWinControl::PaintTo(HDC dc) {
  TCanvas canvas(dc);
  canvas.Font = font_;
  Paint(canvas);
}

void TWinControl::PaintMessage(HDC given) {
  if (given) {
    PaintTo(given);
    return;
  }
  const ScopedPaint paint(handle_);
  if (!paint.Get()) {
    ValidateRect(handle_, nullptr);  // nothing to paint on: no endless repeat of WM_PAINT
  } else if (doubleBuffered_) {
    OffscreenBitmap buffer({ClientWidth(), ClientHeight()});
    buffer.Canvas().Font = font_;
    Paint(buffer.Canvas());
    buffer.DrawTo(paint.Get(), 0, 0);
  } else {
    PaintTo(paint.Get());
  }
}

void TWinControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void TWinControl::MouseMove(TShiftState shift, int x, int y) {
  if (OnMouseMove) OnMouseMove(this, shift, x, y);
}

void TWinControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

void TWinControl::Click() {
  if (OnClick) OnClick(this);
}

void TWinControl::KeyDown(WORD& key, TShiftState shift) {
  if (OnKeyDown) OnKeyDown(this, key, shift);
}

void TWinControl::DoEnter() {
  if (OnEnter) OnEnter(this);
}

void TWinControl::DoExit() {
  if (OnExit) OnExit(this);
}

bool TWinControl::BroadcastDialogChar(char key, const TWinControl* focused) {
  std::vector<TWinControl*> order;
  CollectShown(order);
  if (order.empty()) return false;
  // A key that several captions share goes to the next of them after the focus, in turn.
  const auto at = std::find(order.begin(), order.end(), focused);
  const std::size_t start = at == order.end() ? 0 : static_cast<std::size_t>(at - order.begin()) + 1;
  for (std::size_t i = 0; i < order.size(); ++i)
    if (order[(start + i) % order.size()]->DialogChar(key)) return true;
  return false;
}

void TWinControl::CollectShown(std::vector<TWinControl*>& found) {
  if (!visible_) return;
  found.push_back(this);
  for (TWinControl* child : children_) child->CollectShown(found);
}

TWinControl* TWinControl::FindNextControl(TWinControl* from, bool forward) {
  std::vector<TWinControl*> order;
  for (TWinControl* child : tabList_) child->CollectTabStops(order);
  if (order.empty()) return nullptr;
  auto at = std::find(order.begin(), order.end(), from);
  if (at == order.end()) return forward ? order.front() : order.back();
  std::size_t index = static_cast<std::size_t>(at - order.begin());
  index = forward ? (index + 1) % order.size() : (index + order.size() - 1) % order.size();
  return order[index];
}

void TWinControl::CollectTabStops(std::vector<TWinControl*>& found) {
  if (!Visible() || !Enabled()) return;
  if (TabStop()) found.push_back(this);
  for (TWinControl* child : tabList_) child->CollectTabStops(found);
}

void TWinControl::MouseButtonMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const int x = GET_X_LPARAM(lParam), y = GET_Y_LPARAM(lParam);
  const TShiftState shift = MouseShiftState(wParam);
  TMouseButton button = TMouseButton::mbLeft;
  if (message == WM_RBUTTONDOWN || message == WM_RBUTTONUP) button = TMouseButton::mbRight;
  if (message == WM_MBUTTONDOWN || message == WM_MBUTTONUP) button = TMouseButton::mbMiddle;
  const bool down = message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN;
  if (down) {
    // The release is delivered here even when it happens outside the control.
    SetCapture(handle_);
    if (button == TMouseButton::mbLeft) leftPressedInside_ = true;
    MouseDown(button, shift, x, y);
    return;
  }
  const bool click = button == TMouseButton::mbLeft && leftPressedInside_ && ClientRect().Contains({x, y});
  if (button == TMouseButton::mbLeft) leftPressedInside_ = false;
  // Releasing the capture reports a capture change, which abandons any press.
  if (!(wParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) && GetCapture() == handle_) ReleaseCapture();
  MouseUp(button, shift, x, y);
  if (click && handle_) Click();
}

void TWinControl::MouseMoveMessage(WPARAM wParam, LPARAM lParam) {
  if (!mouseInside_) {
    mouseInside_ = true;
    TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE, handle_, 0};
    TrackMouseEvent(&track);
    MouseEnter();
  }
  MouseMove(MouseShiftState(wParam), GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
}

LRESULT TWinControl::DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(handle_, message, wParam, lParam);
}

LRESULT TWinControl::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
    case WM_PRINTCLIENT:  // either may bring its DC in wParam
      PaintMessage(reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_ERASEBKGND:
      return 1;  // Paint covers the whole client area
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
      MouseButtonMessage(message, wParam, lParam);
      return 0;
    case WM_MOUSEMOVE:
      MouseMoveMessage(wParam, lParam);
      return 0;
    case WM_MOUSELEAVE:
      mouseInside_ = false;
      MouseLeave();
      return 0;
    case WM_CAPTURECHANGED:
      leftPressedInside_ = false;
      if (reinterpret_cast<HWND>(lParam) != handle_) CaptureLost(reinterpret_cast<HWND>(lParam));
      return 0;
    case WM_KEYDOWN: {
      WORD key = static_cast<WORD>(wParam);
      KeyDown(key, KeyboardShiftState());
      return 0;
    }
    case WM_CHAR: {
      // KeyPress takes ASCII; a UTF-16 unit beyond it would arrive cut to a wrong byte, so
      // the text field reads those itself.
      char key = static_cast<char>(wParam);
      if (wParam < 0x80) KeyPress(key);
      return 0;
    }
    case WM_SETFOCUS:
      DoEnter();  // the system tells screen readers of the focus itself
      return 0;
    case WM_KILLFOCUS:
      DoExit();
      return 0;
    case WM_GETDLGCODE:
      return DialogCode(static_cast<WORD>(wParam));
    case WM_GETOBJECT:
      if (const LRESULT answer = AnswerAccessibleObject(handle_, wParam, lParam)) return answer;
      return DefaultHandling(message, wParam, lParam);
    case DescribeForScreenReader:
      Describe(*reinterpret_cast<AccessibleFacts*>(lParam));
      return 1;
    case DoDefaultAction:
      if (CanFocus()) Click();
      return 0;
    default:
      return DefaultHandling(message, wParam, lParam);
  }
}

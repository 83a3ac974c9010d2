#include "controls/styled/SCDropDownList.h"

#include <windowsx.h>

#include <algorithm>

#include "controls/styled/ListScrolling.h"
#include "controls/styled/SCPaint.h"
#include "controls/styled/SCText.h"

namespace {
constexpr int TextMargin = 2;
constexpr int WheelRows = 3;

Point PointOf(LPARAM lParam) { return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

Rect WorkAreaNear(HWND window) {
  MONITORINFO info = {};
  info.cbSize = sizeof info;
  if (!GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &info))
    return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  return FromRECT(info.rcWork);
}
}  // namespace

TSCDropDownList::TSCDropDownList(const TStringList& items) : TWinControl(nullptr), items_(items) {
  SetVisible(false);
  SetColor(clWindow);
  SetDoubleBuffered(true);
}

void TSCDropDownList::CreateParams(TCreateParams& params) {
  params.style = WS_POPUP | WS_BORDER;
  // Above the topmost dialog, and never taking the activation from it.
  params.exStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
  params.parent = owner_;
}

bool TSCDropDownList::HasScrollBar() const { return items_.Count() > rows_; }

Rect TSCDropDownList::ScrollBarArea() const {
  if (!HasScrollBar()) return {ClientWidth(), 0, ClientWidth(), ClientHeight()};
  return {ClientWidth() - GetSystemMetrics(SM_CXVSCROLL), 0, ClientWidth(), ClientHeight()};
}

Rect TSCDropDownList::RowsArea() const { return {0, 0, ScrollBarArea().left, ClientHeight()}; }

void TSCDropDownList::DropDown(TWinControl& field, int maxRows, int selected) {
  const int count = items_.Count();
  rows_ = std::clamp(count, 1, std::max(maxRows, 1));
  selected_ = selected >= 0 && selected < count ? selected : -1;
  top_ = selected_ >= 0 ? TopItemShowing(selected_, 0, count, rows_) : 0;
  rowHeight_ = std::max(LineHeight(Font()), 1) + 2;
  draggingThumb_ = false;
  // The window the list belongs to: it goes with it and stays above it.
  owner_ = GetAncestor(field.Handle(), GA_ROOT);
  if (HandleAllocated() && GetWindow(Handle(), GW_OWNER) != owner_)
    SetWindowLongPtrA(Handle(), GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner_));

  // The bounds are the client area's; the one-pixel border lies around it.
  const int width = std::max(field.Width() - 2, 1);
  const int height = rows_ * rowHeight_;
  const Point below = field.ClientToScreen({1, field.Height() + 1});
  const Rect work = WorkAreaNear(field.Handle());
  int top = below.y;
  if (top + height + 1 > work.bottom) top = field.ClientToScreen({0, 0}).y - height - 1;
  SetBounds(below.x, top, width, height);
  Handle();
  dropped_ = true;
  SetVisible(true);
  Invalidate();
  SetCapture(Handle());
}

void TSCDropDownList::CloseUp() {
  if (!dropped_) return;
  dropped_ = false;
  draggingThumb_ = false;
  SetVisible(false);
  if (HandleAllocated() && GetCapture() == Handle()) ReleaseCapture();
  if (OnCloseUp) OnCloseUp();
}

void TSCDropDownList::MoveSelection(int delta) {
  const int count = items_.Count();
  if (count == 0) return;
  selected_ = selected_ < 0 ? 0 : std::clamp(selected_ + delta, 0, count - 1);
  top_ = TopItemShowing(selected_, top_, count, rows_);
  Invalidate();
}

void TSCDropDownList::ScrollBy(int rows) {
  top_ = ClampTopItem(top_ + rows, items_.Count(), rows_);
  Invalidate();
}

void TSCDropDownList::PickSelected() {
  if (selected_ >= 0 && selected_ < items_.Count()) {
    Pick(selected_);
  } else {
    CloseUp();
  }
}

void TSCDropDownList::Pick(int index) {
  CloseUp();
  if (OnPick) OnPick(index);
}

void TSCDropDownList::Paint(TCanvas& canvas) {
  canvas.Brush.SetStyle(TBrushStyle::bsSolid);
  canvas.Brush.SetColor(clWindow);
  canvas.FillRect(ClientRect());
  const Rect area = RowsArea();
  const TColor textColor = canvas.Font.Color();
  for (int row = 0; row < rows_ && top_ + row < items_.Count(); ++row) {
    const int item = top_ + row;
    const Rect line{area.left, row * rowHeight_, area.right, (row + 1) * rowHeight_};
    const bool lit = item == selected_;
    if (lit) {
      canvas.Brush.SetColor(clHighlight);
      canvas.FillRect(line);
    }
    canvas.Font.SetColor(lit ? clHighlightText : textColor);
    canvas.Brush.SetStyle(TBrushStyle::bsClear);
    Rect text = line.Inset(TextMargin, 0, TextMargin, 0);
    canvas.DrawText(items_.Strings(item), text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    canvas.Brush.SetStyle(TBrushStyle::bsSolid);
  }
  canvas.Font.SetColor(textColor);
  if (HasScrollBar()) PaintScrollBar(canvas);
}

void TSCDropDownList::PaintScrollBar(TCanvas& canvas) {
  const Rect track = ScrollBarArea();
  canvas.Brush.SetColor(cl3DLight);
  canvas.FillRect(track);
  const ScrollThumb thumb = ThumbFor(track.Height(), items_.Count(), rows_, top_);
  Rect knob{track.left, track.top + thumb.top, track.right, track.top + thumb.top + thumb.height};
  canvas.Brush.SetColor(clBtnFace);
  canvas.FillRect(knob);
  Frame3D(canvas, knob, clBtnHighlight, cl3DDkShadow);
  Frame3D(canvas, knob, cl3DLight, clBtnShadow);
}

void TSCDropDownList::PressAt(Point p) {
  const Rect bar = ScrollBarArea();
  if (bar.Contains(p)) {
    const ScrollThumb thumb = ThumbFor(bar.Height(), items_.Count(), rows_, top_);
    if (p.y >= thumb.top && p.y < thumb.top + thumb.height) {
      draggingThumb_ = true;
      grabOffset_ = p.y - thumb.top;
    } else {
      ScrollBy(p.y < thumb.top ? -rows_ : rows_);
    }
    return;
  }
  TrackAt(p);
}

void TSCDropDownList::TrackAt(Point p) {
  if (draggingThumb_) {
    top_ = TopItemForThumb(p.y - grabOffset_, ScrollBarArea().Height(), items_.Count(), rows_);
    Invalidate();
    return;
  }
  if (!RowsArea().Contains(p)) return;
  const int item = ItemAtHeight(p.y, rowHeight_, top_, items_.Count(), rows_);
  if (item < 0 || item == selected_) return;
  selected_ = item;
  Invalidate();
}

void TSCDropDownList::ReleaseAt(Point p) {
  if (draggingThumb_) {
    draggingThumb_ = false;
    return;
  }
  if (!RowsArea().Contains(p)) return;
  const int item = ItemAtHeight(p.y, rowHeight_, top_, items_.Count(), rows_);
  if (item >= 0) Pick(item);
}

void TSCDropDownList::CaptureLost(HWND) {
  if (dropped_) CloseUp();
}

LRESULT TSCDropDownList::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  // The list holds the mouse capture, so its mouse messages come here from anywhere on
  // the screen; the window layer's own press handling would release the capture.
  switch (message) {
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      if (!ClientRect().Contains(PointOf(lParam))) {
        CloseUp();
      } else if (message == WM_LBUTTONDOWN) {
        PressAt(PointOf(lParam));
      }
      return 0;
    case WM_MOUSEMOVE:
      TrackAt(PointOf(lParam));
      return 0;
    case WM_LBUTTONUP:
      ReleaseAt(PointOf(lParam));
      return 0;
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
      return 0;
    case WM_MOUSEWHEEL:
      ScrollBy(-GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA * WheelRows);
      return 0;
    default:
      return TWinControl::WndProc(message, wParam, lParam);
  }
}

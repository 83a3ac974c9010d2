#include "runtime/ParentBackground.h"

#include "runtime/WinControl.h"

void PaintParentBackground(TWinControl& control, TCanvas& canvas) {
  TWinControl* parent = control.Parent();
  if (!parent || !parent->HandleAllocated()) return;
  HDC dc = canvas.Handle();
  const int saved = SaveDC(dc);
  if (!saved) return;
  IntersectClipRect(dc, 0, 0, control.ClientWidth(), control.ClientHeight());
  // From here on the parent's client coordinates land where they lie under the control.
  OffsetViewportOrgEx(dc, -control.Left(), -control.Top(), nullptr);
  SendMessageA(parent->Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  SendMessageA(parent->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
  const Rect own{control.Left(), control.Top(), control.Left() + control.Width(), control.Top() + control.Height()};
  for (TWinControl* sibling : parent->Controls()) {
    if (sibling == &control) break;
    const Rect other{sibling->Left(), sibling->Top(), sibling->Left() + sibling->Width(),
                     sibling->Top() + sibling->Height()};
    const bool overlaps = other.left < own.right && own.left < other.right && other.top < own.bottom &&
                          own.top < other.bottom;
    if (!sibling->Visible() || !sibling->HandleAllocated() || !overlaps) continue;
    OffsetViewportOrgEx(dc, other.left, other.top, nullptr);
    SendMessageA(sibling->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
    OffsetViewportOrgEx(dc, -other.left, -other.top, nullptr);
  }
  RestoreDC(dc, saved);
}

#pragma once
// The drop-down list of the address box: a borderless-looking popup under the field
// that shows up to a number of rows of the items, follows the mouse, scrolls, and
// reports the item the user picks. It holds the mouse while open, so a click anywhere
// else closes it, as a platform combo box's list does.
#include "runtime/Callback.h"

#include "runtime/StringList.h"
#include "runtime/WinControl.h"

class TSCDropDownList : public TWinControl {
 public:
  explicit TSCDropDownList(const TStringList& items);

  // Shows the list under `field` (above it where the screen ends below), at most
  // `maxRows` rows high, with `selected` highlighted and scrolled into view.
  void DropDown(TWinControl& field, int maxRows, int selected);
  void CloseUp();
  bool Dropped() const { return dropped_; }

  int Selected() const { return selected_; }
  // Moves the highlight by `delta` items, starting from the first when none is lit.
  void MoveSelection(int delta);
  void ScrollBy(int rows);
  // Picks the highlighted item, or only closes when none is lit.
  void PickSelected();

  Callback<void(int index)> OnPick;
  Callback<void()> OnCloseUp;

 protected:
  void CreateParams(TCreateParams& params) override;
  void Paint(TCanvas& canvas) override;
  // Losing the mouse to anything closes the list.
  void CaptureLost(HWND newOwner) override;
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  bool HasScrollBar() const;
  Rect RowsArea() const;
  Rect ScrollBarArea() const;
  void PaintScrollBar(TCanvas& canvas);
  void PressAt(Point p);
  void TrackAt(Point p);
  void ReleaseAt(Point p);
  void Pick(int index);

  const TStringList& items_;
  HWND owner_ = nullptr;
  bool dropped_ = false;
  int rows_ = 1;
  int top_ = 0;
  int selected_ = -1;
  int rowHeight_ = 16;
  bool draggingThumb_ = false;
  int grabOffset_ = 0;
};

#pragma once
// A control is a C++ object over one window. One window procedure routes the window's
// messages to virtual hooks, so a control's own file holds only its behaviour.
// Controls are parented into a tree; each makes its window when its parent has one.
#include <windows.h>

#include <string>
#include <vector>
#include "runtime/Callback.h"

#include "runtime/AccessibleFacts.h"
#include "runtime/Alignment.h"
#include "runtime/Canvas.h"
#include "runtime/Component.h"

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

// Modifier keys and mouse buttons held, as a set of bits.
enum TShiftFlag : unsigned { ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32 };
using TShiftState = unsigned;

using TMouseEvent = Callback<void(TComponent* sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TMouseMoveEvent = Callback<void(TComponent* sender, TShiftState shift, int x, int y)>;
using TKeyEvent = Callback<void(TComponent* sender, WORD& key, TShiftState shift)>;

// The modifier keys held right now.
TShiftState KeyboardShiftState();

struct TCreateParams {
  DWORD style = 0;
  DWORD exStyle = 0;
  HWND parent = nullptr;
  std::string caption;
};

class TForm;

class TWinControl : public TComponent {
 public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;

  // Tree and window.
  TWinControl* Parent() const { return parent_; }
  void SetParent(TWinControl* parent);
  const std::vector<TWinControl*>& Controls() const { return children_; }
  // The form this control is, or null: the plug-in is built without run-time type
  // information, which a cast would need.
  virtual TForm* AsForm() { return nullptr; }
  HWND Handle();  // makes the window (and its parents') when it does not exist yet
  bool HandleAllocated() const { return handle_ != nullptr; }

  // Position and size, in the parent's client coordinates.
  int Left() const { return bounds_.left; }
  int Top() const { return bounds_.top; }
  int Width() const { return bounds_.width; }
  int Height() const { return bounds_.height; }
  void SetBounds(int left, int top, int width, int height);
  Rect ClientRect() const { return {0, 0, ClientWidth(), ClientHeight()}; }
  virtual int ClientWidth() const { return bounds_.width; }
  virtual int ClientHeight() const { return bounds_.height; }
  TAlign Align() const { return align_; }
  void SetAlign(TAlign align);
  Point ClientToScreen(Point p);
  Point ScreenToClient(Point p);

  // State.
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool tabStop);
  int TabOrder() const;
  void SetTabOrder(int order);
  bool Focused() const;
  bool CanFocus() const;
  void SetFocus();

  // Look.
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  bool ParentColor() const { return parentColor_; }
  void SetParentColor(bool parentColor);
  TFont& Font() { return font_; }
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  bool DoubleBuffered() const { return doubleBuffered_; }
  void SetDoubleBuffered(bool on) { doubleBuffered_ = on; }

  void Invalidate();
  // Paints now whatever is invalid.
  void Update();
  // Paints the whole control into `dc` at its origin, as it would on screen.
  void PaintTo(HDC dc);

  // Does what a click on the control does, as a key for it does.
  void PerformClick() { Click(); }

  // What a screen reader is told of the control; asked on the control's thread.
  virtual void Describe(AccessibleFacts& facts);
  // What a screen reader calls it: its caption as it reads, or its label's name.
  virtual std::string AccessibleName() const;
  // The label (or check box) beside a field, which names it where its caption does not;
  // `itsKeyFocusesThis` when the label's accelerator takes the focus here.
  void SetLabelledBy(const TWinControl* label, bool itsKeyFocusesThis = false) {
    labelledBy_ = label;
    labelKeyFocusesThis_ = itsKeyFocusesThis;
  }

  TNotifyEvent OnClick;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseMoveEvent OnMouseMove;
  TKeyEvent OnKeyDown;
  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;

  // Offers an accelerator character to the shown controls of this tree, starting after
  // the focused one; true once one has taken it.
  bool BroadcastDialogChar(char key, const TWinControl* focused);
  // The next (or previous) control after `from` in tab order that can take the focus,
  // wrapping around, searched through the whole tree below this control.
  TWinControl* FindNextControl(TWinControl* from, bool forward);

 protected:
  // Stores a property only when it changes, and repaints then.
  template <typename T>
  void SetProperty(T& field, T value) {
    if (field == value) return;
    field = value;
    Invalidate();
  }

  virtual void CreateParams(TCreateParams& params);
  // The window has been made; the control can now measure or start timers.
  virtual void CreateWnd() {}
  virtual void Paint(TCanvas& canvas);
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  virtual void Click();
  virtual void KeyDown(WORD& key, TShiftState shift);
  virtual void KeyPress(char& key) { (void)key; }
  virtual void DoEnter();
  virtual void DoExit();
  virtual void MouseEnter() {}
  virtual void MouseLeave() {}
  // The mouse capture has gone to `newOwner`, another window, or to none (null, as after
  // this control's own release). A press in progress usually ends here.
  virtual void CaptureLost(HWND newOwner) { (void)newOwner; }
  // An accelerator character (the one after "&" in a caption); true when taken.
  virtual bool DialogChar(char key) {
    (void)key;
    return false;
  }
  // What the control wants from the dialog keys (WM_GETDLGCODE flags), asked for `key`;
  // DLGC_WANTMESSAGE keeps Enter or Escape from the window's default button and close.
  virtual UINT DialogCode(WORD key) {
    (void)key;
    return 0;
  }
  virtual void EnabledChanged() { Invalidate(); }
  virtual void FontChanged() { Invalidate(); }
  virtual void ColorChanged() { Invalidate(); }
  virtual void TextChanged() { Invalidate(); }
  virtual void Resized() {}
  // Lets a control keep a minimum size (or any size rule) before a resize takes effect.
  virtual void ConstrainSize(int& width, int& height) {
    (void)width;
    (void)height;
  }
  // The part of the client area that aligned children share.
  virtual Rect AlignRect() { return ClientRect(); }
  // Anything the hooks above do not cover; the default is the platform's handling.
  virtual LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam);

  void AlignControls();
  // Tells screen readers of a change (EVENT_OBJECT_...) once the window exists.
  void TellScreenReaders(DWORD event);
  bool MouseInside() const { return mouseInside_; }
  // Destroys the window and its children's; the objects stay and make new ones on demand.
  void DestroyHandle();

 private:
  friend LRESULT CALLBACK ControlWindowProc(HWND, UINT, WPARAM, LPARAM);
  void CreateHandle();
  void PaintMessage(HDC given);
  void MouseButtonMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void MouseMoveMessage(WPARAM wParam, LPARAM lParam);
  void ParentFontChanged();
  void ParentColorChanged();
  void NotifyChildren(void (TWinControl::*notify)());
  // Appends this control if Tab stops at it, then its children's stops in tab order.
  void CollectTabStops(std::vector<TWinControl*>& found);
  // Appends this control if shown, then its shown children, in creation order.
  void CollectShown(std::vector<TWinControl*>& found);
  void RequestParentAlign();

  HWND handle_ = nullptr;
  TWinControl* parent_ = nullptr;
  std::vector<TWinControl*> children_;  // creation order: the alignment order
  std::vector<TWinControl*> tabList_;   // the tab order
  AlignBox bounds_{0, 0, 100, 50};
  TAlign align_ = TAlign::alNone;
  bool visible_ = true;
  bool enabled_ = true;
  bool tabStop_ = false;
  TColor color_ = clBtnFace;
  bool parentColor_ = false;
  TFont font_;
  bool parentFont_ = true;
  std::string caption_;
  const TWinControl* labelledBy_ = nullptr;
  bool labelKeyFocusesThis_ = false;
  bool doubleBuffered_ = false;
  bool mouseInside_ = false;
  bool leftPressedInside_ = false;
  bool aligning_ = false;
};

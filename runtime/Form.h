#pragma once
// A top-level window holding controls: shown plainly or run modally with the dialog
// keys (Tab and Shift+Tab between controls, accelerators by Alt+letter or letter,
// Enter for the default button, Escape for the close box).
#include "runtime/Callback.h"

#include "runtime/WinControl.h"

enum class TBorderStyle { bsSingle, bsToolWindow };
enum class TFormStyle { fsNormal, fsStayOnTop };
enum class TPosition { poDesigned, poScreenCenter };
// caFree destroys the window; the object belongs to whoever created it.
enum class TCloseAction { caNone, caHide, caFree };

constexpr int mrNone = 0;
constexpr int mrOk = 1;
constexpr int mrCancel = 2;

class TForm : public TWinControl {
 public:
  explicit TForm(TComponent* owner);
  TForm* AsForm() override { return this; }

  void SetClientSize(int width, int height) { SetBounds(Left(), Top(), width, height); }
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle style) { borderStyle_ = style; }
  TFormStyle FormStyle() const { return formStyle_; }
  void SetFormStyle(TFormStyle style);
  void SetPosition(TPosition position) { position_ = position; }

  void Show();
  void Hide() { SetVisible(false); }
  // Asks the form to close as its close box does.
  void Close();
  // Shows the form and handles this thread's messages until ModalResult is set; the
  // other windows of the thread are disabled meanwhile. With the close action "free"
  // the form's window is destroyed before this returns; the object stays with whoever
  // showed it.
  int ShowModal();
  int ModalResult() const { return modalResult_; }
  void SetModalResult(int result) { modalResult_ = result; }

  // The dialog keys for one message of the form's thread; true when it was used up.
  bool HandleDialogKey(const MSG& msg);
  // The button Enter presses where the focused control does not take Enter itself.
  void SetDefaultButton(TWinControl* button) { defaultButton_ = button; }

  Callback<void(TComponent* sender, TCloseAction& action)> OnClose;

 protected:
  void CreateParams(TCreateParams& params) override;
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void Describe(AccessibleFacts& facts) override;
  // Runs the close handler; false when it said caNone.
  bool DoClose(TCloseAction& action);

 private:
  void PlaceOnScreen();
  // The modal message loop up to a close the close handler accepts; its action.
  TCloseAction RunModalLoop();
  void FocusFirstControl();
  // Keeps the focused control while another window is active and gives it back after.
  void Activated(bool active);

  TBorderStyle borderStyle_ = TBorderStyle::bsSingle;
  TFormStyle formStyle_ = TFormStyle::fsNormal;
  TPosition position_ = TPosition::poDesigned;
  int modalResult_ = mrNone;
  bool modal_ = false;
  TWinControl* defaultButton_ = nullptr;
  HWND lastFocus_ = nullptr;
};

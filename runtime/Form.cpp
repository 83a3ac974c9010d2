#include "runtime/Form.h"

#include "runtime/ControlClass.h"
#include "runtime/ErrorBox.h"
#include "runtime/ScopedHandles.h"

TForm::TForm(TComponent* owner) : TWinControl(owner) {
  SetVisible(false);
  SetBounds(0, 0, 400, 300);
}

void TForm::CreateParams(TCreateParams& params) {
  params.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  params.exStyle = WS_EX_CONTROLPARENT;
  if (borderStyle_ == TBorderStyle::bsToolWindow) params.exStyle |= WS_EX_TOOLWINDOW;
  if (formStyle_ == TFormStyle::fsStayOnTop) params.exStyle |= WS_EX_TOPMOST;
  params.parent = nullptr;
}

void TForm::SetFormStyle(TFormStyle style) {
  formStyle_ = style;
  if (HandleAllocated())
    SetWindowPos(Handle(), style == TFormStyle::fsStayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TForm::PlaceOnScreen() {
  if (position_ != TPosition::poScreenCenter) return;
  // The whole primary screen where the system cannot tell its work area.
  RECT work = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  RECT known = {};
  if (SystemParametersInfoA(SPI_GETWORKAREA, 0, &known, 0)) work = known;
  RECT frame = {0, 0, Width(), Height()};
  AdjustWindowRectEx(&frame, GetWindowLongA(Handle(), GWL_STYLE), FALSE, GetWindowLongA(Handle(), GWL_EXSTYLE));
  const int outerWidth = frame.right - frame.left, outerHeight = frame.bottom - frame.top;
  const int x = work.left + (work.right - work.left - outerWidth) / 2;
  const int y = work.top + (work.bottom - work.top - outerHeight) / 2;
  SetWindowPos(Handle(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm::Show() {
  Handle();
  PlaceOnScreen();
  SetVisible(true);
  SetForegroundWindow(Handle());
  TellScreenReaders(EVENT_OBJECT_SHOW);  // a window that appears on its own, as an alarm's, is read out
}

void TForm::Close() {
  if (HandleAllocated()) SendMessageA(Handle(), WM_CLOSE, 0, 0);
}

bool TForm::DoClose(TCloseAction& action) {
  if (OnClose) OnClose(this, action);
  return action != TCloseAction::caNone;
}

void TForm::FocusFirstControl() {
  if (TWinControl* first = FindNextControl(nullptr, true)) first->SetFocus();
}

int TForm::ShowModal() {
  modalResult_ = mrNone;
  modal_ = true;
  ScopeGuard endModal([this] { modal_ = false; });
  TCloseAction action = TCloseAction::caHide;
  {
    // Only the windows of this thread: the player's stay usable while the worker shows its window.
    const ScopedDisabledThreadWindows disabled(Handle());
    action = RunModalLoop();
  }
  Hide();
  if (action == TCloseAction::caFree) DestroyHandle();
  return modalResult_;
}

TCloseAction TForm::RunModalLoop() {
  Show();
  FocusFirstControl();
  const ErrorBoxOwner errorBoxOwner(Handle());
  for (;;) {
    MSG msg;
    while (modalResult_ == mrNone) {
      const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
      if (got <= 0) {
        if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));  // for the outer loop
        modalResult_ = mrCancel;
        break;
      }
      if (!HandleDialogKey(msg)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
      }
    }
    TCloseAction action = TCloseAction::caHide;
    if (DoClose(action)) return action;
    modalResult_ = mrNone;
  }
}

bool TForm::HandleDialogKey(const MSG& msg) {
  if (!HandleAllocated() || (msg.hwnd != Handle() && !IsChild(Handle(), msg.hwnd))) return false;
  TWinControl* focused = ControlFromHandle(GetFocus());
  const UINT wants = focused ? static_cast<UINT>(SendMessageA(focused->Handle(), WM_GETDLGCODE, msg.wParam, 0)) : 0;
  if (msg.message == WM_KEYDOWN && msg.wParam == VK_TAB && !(wants & (DLGC_WANTTAB | DLGC_WANTALLKEYS))) {
    if (TWinControl* next = FindNextControl(focused, GetKeyState(VK_SHIFT) >= 0)) next->SetFocus();
    return true;
  }
  if (msg.message == WM_KEYDOWN && (msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE) &&
      !(wants & (DLGC_WANTMESSAGE | DLGC_WANTALLKEYS))) {
    if (msg.wParam == VK_ESCAPE) {
      Close();
    } else if (defaultButton_ && defaultButton_->Enabled() && defaultButton_->Visible()) {
      defaultButton_->PerformClick();
    }
    return true;
  }
  if (msg.message == WM_SYSCHAR) return BroadcastDialogChar(static_cast<char>(msg.wParam), focused);
  if (msg.message == WM_CHAR && !(wants & (DLGC_WANTCHARS | DLGC_WANTALLKEYS)))
    return BroadcastDialogChar(static_cast<char>(msg.wParam), focused);
  return false;
}

void TForm::Activated(bool active) {
  HWND focus = GetFocus();
  if (!active) {
    // The control to give the focus back to when the user returns to the window.
    if (focus && IsChild(Handle(), focus)) lastFocus_ = focus;
    return;
  }
  if (focus && focus != Handle()) return;
  if (lastFocus_ && IsChild(Handle(), lastFocus_) && IsWindowVisible(lastFocus_) && IsWindowEnabled(lastFocus_)) {
    ::SetFocus(lastFocus_);
  } else {
    FocusFirstControl();
  }
}

LRESULT TForm::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_ACTIVATE) {
    const LRESULT answer = TWinControl::WndProc(message, wParam, lParam);
    Activated(LOWORD(wParam) != WA_INACTIVE && !HIWORD(wParam));
    return answer;
  }
  if (message == WM_CLOSE) {
    if (modal_) {
      if (modalResult_ == mrNone) modalResult_ = mrCancel;
    } else {
      TCloseAction action = TCloseAction::caHide;
      if (DoClose(action)) {
        Hide();
        if (action == TCloseAction::caFree) DestroyHandle();
      }
    }
    return 0;
  }
  return TWinControl::WndProc(message, wParam, lParam);
}

void TForm::Describe(AccessibleFacts& facts) {
  TWinControl::Describe(facts);
  facts.role = AccessibleRole::Dialog;
  facts.shortcut.clear();
}

#include "controls/styled/SCCombobox.h"

#include <algorithm>
#include <climits>

#include "controls/styled/SCPaint.h"
#include "controls/styled/SCText.h"
#include "controls/styled/TextClipboard.h"
#include "runtime/ScopedHandles.h"
#include "runtime/WideText.h"

namespace {
constexpr int TextMargin = 2;
// Rows the dropped list shows at once, and a page key moves.
constexpr int ListRows = 8;
}  // namespace

TSCCombobox::TSCCombobox(TComponent* owner) : TSCCustomControl(owner), list_(items_) {
  SetColor(clWindow);
  SetTabStop(true);
  SetAutoSize(true);
  list_.OnPick = [this](int index) { PickItem(index); };
  list_.OnCloseUp = [this] { Invalidate(); };
}

void TSCCombobox::SetText(const std::string& text) {
  editor_.SetText(text);
  scroll_ = 0;
  CaretMoved();
}

void TSCCombobox::SetDroppedDown(bool dropped) {
  if (dropped == list_.Dropped() || (dropped && !hasList_)) return;
  if (dropped) {
    list_.DropDown(*this, ListRows, items_.IndexOf(Text()));
  } else {
    list_.CloseUp();
  }
  Invalidate();
}

Rect TSCCombobox::ButtonRect() const {
  const Rect inner = style_ == scesNone ? ClientRect() : ClientRect().Inset(1, 1, 1, 1);
  const int width = hasList_ ? GetSystemMetrics(SM_CXVSCROLL) : 0;
  return {std::max(inner.right - width, inner.left), inner.top, inner.right, inner.bottom};
}

Rect TSCCombobox::TextArea() const {
  const Rect inner = style_ == scesNone ? ClientRect() : ClientRect().Inset(1, 1, 1, 1);
  return {inner.left + TextMargin, inner.top, std::max(ButtonRect().left - TextMargin, inner.left + TextMargin),
          inner.bottom};
}

int TSCCombobox::TextTop() {
  const Rect area = TextArea();
  return area.top + (area.Height() - LineHeight(Font())) / 2;
}

std::vector<int> TSCCombobox::PrefixWidths() {
  const std::wstring wide = WideFromUtf8(Text());
  std::vector<int> extents(wide.size(), 0);
  const ScopedScreenDc screen;
  if (screen.Get() && !wide.empty()) {
    const ScopedSelectedObject font(screen.Get(), Font().Handle());
    SIZE total = {};
    const int length = static_cast<int>(std::min<std::size_t>(wide.size(), INT_MAX));
    if (!GetTextExtentExPointW(screen.Get(), wide.data(), length, 0, nullptr, extents.data(), &total))
      std::fill(extents.begin(), extents.end(), 0);
  }
  return BytePrefixWidths(Text(), extents);
}

void TSCCombobox::CaretMoved() {
  const std::vector<int> widths = PrefixWidths();
  const Rect area = TextArea();
  const int caretX = widths[editor_.Caret()];
  scroll_ = ScrollToShowCaret(caretX, scroll_, area.Width(), widths.back());
  if (Focused()) SetCaretPos(area.left + caretX - scroll_, TextTop());
  Invalidate();
}

void TSCCombobox::Edited(bool changed) {
  CaretMoved();
  if (!changed) return;
  TellScreenReaders(EVENT_OBJECT_VALUECHANGE);
  Change();
}

void TSCCombobox::Paint(TCanvas& canvas) {
  PaintBackground(canvas, Color() == clNone ? clWindow : Color());
  if (style_ != scesNone) {
    Rect frame = ClientRect();
    Frame3D(canvas, frame, clBtnShadow, clBtnHighlight);
  }
  PaintText(canvas);
  PaintButton(canvas);
}

void TSCCombobox::PaintText(TCanvas& canvas) {
  const Rect area = TextArea();
  const ClipScope clip(canvas.Handle(), area);
  const int x = area.left - scroll_;
  const int y = TextTop();
  if (!Enabled()) canvas.Font.SetColor(clGrayText);
  canvas.Brush.SetStyle(TBrushStyle::bsClear);
  canvas.TextOut(x, y, Text());
  if (!Tracking().focused || !editor_.HasSelection()) return;

  const Rect selection = Rect{x + canvas.TextWidth(Text().substr(0, editor_.SelectionStart())), area.top,
                              x + canvas.TextWidth(Text().substr(0, editor_.SelectionEnd())), area.bottom}
                             .ClippedTo(area);
  canvas.Brush.SetStyle(TBrushStyle::bsSolid);
  canvas.Brush.SetColor(clHighlight);
  canvas.FillRect(selection);
  const ClipScope selected(canvas.Handle(), selection);
  canvas.Font.SetColor(clHighlightText);
  canvas.Brush.SetStyle(TBrushStyle::bsClear);
  canvas.TextOut(x, y, Text());
}

void TSCCombobox::PaintButton(TCanvas& canvas) {
  if (!hasList_) return;
  const Rect button = ButtonRect();
  const TColor ink = Enabled() ? Font().Color() : clGrayText;
  if (Enabled() && (buttonHot_ || list_.Dropped())) {
    Rect frame = button;
    Frame3D(canvas, frame, ink, ink);
  }
  const int sink = list_.Dropped() ? 1 : 0;
  const int x = button.left + button.Width() / 2 + sink;
  const int y = button.top + button.Height() / 2 + sink;
  canvas.Pen.SetColor(ink);
  canvas.Brush.SetStyle(TBrushStyle::bsSolid);
  canvas.Brush.SetColor(ink);
  canvas.Polygon({{x - 3, y - 1}, {x + 3, y - 1}, {x, y + 2}});
}

void TSCCombobox::CaretToPoint(int x, bool extend) {
  editor_.MoveCaret(CaretNearest(x - TextArea().left + scroll_, PrefixWidths()), extend);
  CaretMoved();
}

void TSCCombobox::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TSCCustomControl::MouseDown(button, shift, x, y);
  if (button != TMouseButton::mbLeft) return;
  if (ButtonRect().Contains({x, y})) {
    SetDroppedDown(!list_.Dropped());
    return;
  }
  TrackingState().MousePressed();
  CaretToPoint(x, (shift & ssShift) != 0);
}

void TSCCombobox::MouseMove(TShiftState shift, int x, int y) {
  TSCCustomControl::MouseMove(shift, x, y);
  const bool overButton = MouseInControl() && ButtonRect().Contains({x, y});
  if (overButton != buttonHot_) {
    buttonHot_ = overButton;
    Invalidate();
  }
  if (Tracking().mouseHeld) CaretToPoint(x, true);
}

void TSCCombobox::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == TMouseButton::mbLeft) TrackingState().MouseReleased();
  TSCCustomControl::MouseUp(button, shift, x, y);
}

void TSCCombobox::MouseInControlChanged() {
  if (!MouseInControl()) buttonHot_ = false;
  Invalidate();
}

UINT TSCCombobox::DialogCode(WORD key) {
  // An open list takes Enter (pick) and Escape (close) before the window does.
  const bool listKey = (key == VK_RETURN || key == VK_ESCAPE) && DroppedDown();
  return DLGC_WANTCHARS | DLGC_WANTARROWS | (listKey ? DLGC_WANTMESSAGE : 0);
}

bool TSCCombobox::ListKey(WORD key) {
  switch (key) {
    case VK_UP:
      list_.MoveSelection(-1);
      return true;
    case VK_DOWN:
      list_.MoveSelection(1);
      return true;
    case VK_PRIOR:
      list_.MoveSelection(-ListRows);
      return true;
    case VK_NEXT:
      list_.MoveSelection(ListRows);
      return true;
    case VK_RETURN:
      list_.PickSelected();
      return true;
    case VK_ESCAPE:
    case VK_F4:
      SetDroppedDown(false);
      return true;
    default:
      return false;
  }
}

void TSCCombobox::EditKey(WORD key, TShiftState shift) {
  const bool extend = (shift & ssShift) != 0;
  const bool word = (shift & ssCtrl) != 0;
  switch (key) {
    case VK_F4:
      SetDroppedDown(true);
      return;
    case VK_UP:
      StepItem(-1);
      return;
    case VK_DOWN:
      StepItem(1);
      return;
    case VK_LEFT:
      word ? editor_.MoveWordLeft(extend) : editor_.MoveLeft(extend);
      break;
    case VK_RIGHT:
      word ? editor_.MoveWordRight(extend) : editor_.MoveRight(extend);
      break;
    case VK_HOME:
      editor_.MoveHome(extend);
      break;
    case VK_END:
      editor_.MoveEnd(extend);
      break;
    case VK_DELETE:
      if (extend) {
        CutSelection();
      } else {
        Edited(editor_.DeleteForward());
      }
      return;
    case VK_INSERT:
      if (word) CopySelection();
      if (extend) Paste();
      return;
    default:
      return;
  }
  CaretMoved();
}

void TSCCombobox::KeyDown(WORD& key, TShiftState shift) {
  TSCCustomControl::KeyDown(key, shift);
  if (list_.Dropped() && ListKey(key)) return;
  EditKey(key, shift);
}

void TSCCombobox::KeyPress(char& key) {
  const auto code = static_cast<unsigned char>(key);
  switch (code) {
    case 1:
      editor_.SelectAll();
      CaretMoved();
      return;  // Ctrl+A
    case 3:
      CopySelection();
      return;  // Ctrl+C
    case 8:
      Edited(editor_.Backspace());
      return;
    case 22:
      Paste();
      return;  // Ctrl+V
    case 24:
      CutSelection();
      return;  // Ctrl+X
    default:
      break;
  }
  if (code >= 0x20 && code != 0x7F) Edited(editor_.Insert(std::string(1, key)));
}

void TSCCombobox::TypeUnit(wchar_t unit) {
  // A character beyond the 16-bit range comes as two units: the first waits for its pair.
  const bool high = unit >= 0xD800 && unit <= 0xDBFF, low = unit >= 0xDC00 && unit <= 0xDFFF;
  std::wstring typed;
  if (low && pendingHighSurrogate_) typed += pendingHighSurrogate_;
  pendingHighSurrogate_ = high ? unit : L'\0';
  if (high || (low && typed.empty())) return;
  typed += unit;
  Edited(editor_.Insert(Utf8FromWide(typed)));
}

void TSCCombobox::CopySelection() {
  if (editor_.HasSelection()) CopyTextToClipboard(Handle(), editor_.SelectedText());
}

void TSCCombobox::CutSelection() {
  if (editor_.HasSelection() && CopyTextToClipboard(Handle(), editor_.SelectedText())) Edited(editor_.Backspace());
}

void TSCCombobox::Paste() { Edited(editor_.Insert(TextFromClipboard(Handle()))); }

void TSCCombobox::PickItem(int index) {
  editor_.SetText(items_.Strings(index));
  editor_.SelectAll();
  Edited(true);
}

void TSCCombobox::StepItem(int delta) {
  const int count = items_.Count();
  if (count == 0) return;
  const int current = items_.IndexOf(Text());
  const int next = current < 0 ? 0 : std::clamp(current + delta, 0, count - 1);
  if (next != current) PickItem(next);
}

void TSCCombobox::DoEnter() {
  TSCCustomControl::DoEnter();
  if (CreateCaret(Handle(), nullptr, 1, std::max(LineHeight(Font()), 1))) ShowCaret(Handle());
  CaretMoved();
}

void TSCCombobox::DoExit() {
  list_.CloseUp();
  DestroyCaret();
  TSCCustomControl::DoExit();
}

void TSCCombobox::EnabledChanged() {
  list_.CloseUp();
  TSCCustomControl::EnabledChanged();
}

void TSCCombobox::Resized() { CaretMoved(); }

LRESULT TSCCombobox::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SYSKEYDOWN:
      // Alt+Down and Alt+Up open and close the list, as in the platform's combo box.
      if (wParam == VK_DOWN || wParam == VK_UP) {
        SetDroppedDown(!list_.Dropped());
        return 0;
      }
      break;
    case WM_MOUSEWHEEL:
      if (list_.Dropped()) {
        SendMessageA(list_.Handle(), message, wParam, lParam);
        return 0;
      }
      break;
    case WM_CANCELMODE:
      list_.CloseUp();
      break;
    case WM_CHAR:
      if (wParam >= 0x80) {
        TypeUnit(static_cast<wchar_t>(wParam));
        return 0;
      }
      break;
    default:
      break;
  }
  return TSCCustomControl::WndProc(message, wParam, lParam);
}

void TSCCombobox::Describe(AccessibleFacts& facts) {
  TSCCustomControl::Describe(facts);
  facts.role = AccessibleRole::ComboBox;
  facts.value = Text();
}

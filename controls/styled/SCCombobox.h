#pragma once
// The editable address field with a drop-down list of earlier addresses. It paints
// itself: with no frame and a transparent background the parent's gradient shows
// behind the text, and the drop-down button sits at the right edge.
#include <vector>

#include "controls/styled/LineEditor.h"
#include "controls/styled/SCComboStrings.h"
#include "controls/styled/SCCustomControl.h"
#include "controls/styled/SCDropDownList.h"

// scesNone draws no frame round the field.
enum TSCEditStyle { scesDefault, scesNone };

class TSCCombobox : public TSCCustomControl {
 public:
  explicit TSCCombobox(TComponent* owner);

  const std::string& Text() const { return editor_.Text(); }
  void SetText(const std::string& text);
  // Changing the items needs no repaint: the list shows them as they are when it opens.
  TSCComboStrings& Items() { return items_; }
  const TSCComboStrings& Items() const { return items_; }

  TSCEditStyle Style() const { return style_; }
  void SetStyle(TSCEditStyle style) { SetProperty(style_, style); }
  TFont& PopupFont() { return list_.Font(); }
  bool DroppedDown() const { return list_.Dropped(); }
  void SetDroppedDown(bool dropped);
  // Without a list the box is a plain line of text: no button, nothing drops down.
  void SetHasList(bool hasList) { SetProperty(hasList_, hasList); }

 protected:
  void Paint(TCanvas& canvas) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseInControlChanged() override;
  void KeyDown(WORD& key, TShiftState shift) override;
  void KeyPress(char& key) override;
  void DoEnter() override;
  void DoExit() override;
  void EnabledChanged() override;
  void Resized() override;
  UINT DialogCode(WORD key) override;
  void Describe(AccessibleFacts& facts) override;
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  Rect ButtonRect() const;
  Rect TextArea() const;
  int TextTop();
  std::vector<int> PrefixWidths();
  void PaintText(TCanvas& canvas);
  void PaintButton(TCanvas& canvas);
  // After the caret or the text moved: scroll the caret into view and repaint.
  void CaretMoved();
  void Edited(bool changed);
  bool ListKey(WORD key);
  void EditKey(WORD key, TShiftState shift);
  // A UTF-16 unit beyond ASCII from WM_CHAR, typed into the text.
  void TypeUnit(wchar_t unit);
  void CopySelection();
  void CutSelection();
  void Paste();
  void PickItem(int index);
  void StepItem(int delta);
  void CaretToPoint(int x, bool extend);

  TSCComboStrings items_;
  TSCDropDownList list_;
  LineEditor editor_;
  TSCEditStyle style_ = scesDefault;
  int scroll_ = 0;
  bool buttonHot_ = false;
  bool hasList_ = true;
  wchar_t pendingHighSurrogate_ = L'\0';
};

#pragma once
// The text of a one-line edit field with its caret and selection, and the edits that
// the keyboard and the mouse make to them. Positions count bytes, 0..size.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class LineEditor {
 public:
  const std::string& Text() const { return text_; }
  // Replaces the text; the caret goes to its start with nothing selected.
  void SetText(const std::string& text);

  std::size_t Caret() const { return caret_; }
  bool HasSelection() const { return caret_ != anchor_; }
  std::size_t SelectionStart() const;
  std::size_t SelectionEnd() const;
  std::string SelectedText() const;

  // Moves the caret (clamped to the text); `extend` keeps the selection's other end.
  void MoveCaret(std::size_t to, bool extend);
  void MoveLeft(bool extend);
  void MoveRight(bool extend);
  void MoveWordLeft(bool extend);
  void MoveWordRight(bool extend);
  void MoveHome(bool extend) { MoveCaret(0, extend); }
  void MoveEnd(bool extend) { MoveCaret(text_.size(), extend); }
  void SelectAll();

  // Replaces the selection with `typed` up to its first line break or NUL, since the
  // field holds one line. Answers whether the text changed.
  bool Insert(std::string_view typed);
  // Delete the selection, or else the character before (after) the caret.
  bool Backspace();
  bool DeleteForward();

 private:
  bool EraseSelection();

  std::string text_;
  std::size_t caret_ = 0;
  std::size_t anchor_ = 0;
};

// The caret position nearest to x, given the width of every prefix of the text
// (prefixWidths[i] is the width of its first i characters).
std::size_t CaretNearest(int x, const std::vector<int>& prefixWidths);

// The horizontal scroll that keeps the caret inside a field `visibleWidth` pixels wide:
// unchanged when the caret is in view already, and never past the text's end.
int ScrollToShowCaret(int caretX, int scroll, int visibleWidth, int textWidth);

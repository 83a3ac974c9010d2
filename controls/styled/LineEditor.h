#pragma once
// The text of a one-line edit field with its caret and selection, and the edits that
// the keyboard and the mouse make to them. The text is UTF-8; positions count bytes,
// 0..size, and always fall at a character's start, so no edit splits a character.
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

  // Moves the caret (clamped to the text, back to the start of a character it would
  // split); `extend` keeps the selection's other end.
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
  // The start of the character holding byte `at`, and of the character after it.
  std::size_t CharacterStart(std::size_t at) const;
  std::size_t NextCharacter(std::size_t at) const;

  std::string text_;
  std::size_t caret_ = 0;
  std::size_t anchor_ = 0;
};

// The caret position nearest to x, given the width of every prefix of the text
// (prefixWidths[i] is the width of its first i bytes); the first of equally near ones.
std::size_t CaretNearest(int x, const std::vector<int>& prefixWidths);

// The width of every byte prefix of the UTF-8 `text` from the system's extents of its
// UTF-16 form (unitExtents[u] is the width of its first u + 1 units). A position inside
// a character gets the width before it, so CaretNearest never picks it.
std::vector<int> BytePrefixWidths(const std::string& text, const std::vector<int>& unitExtents);

// The horizontal scroll that keeps the caret inside a field `visibleWidth` pixels wide:
// unchanged when the caret is in view already, and never past the text's end.
int ScrollToShowCaret(int caretX, int scroll, int visibleWidth, int textWidth);

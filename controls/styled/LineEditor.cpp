#include "controls/styled/LineEditor.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace {
bool IsWordByte(char c) { return std::isalnum(static_cast<unsigned char>(c)) || static_cast<unsigned char>(c) >= 0x80; }
bool IsContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }
}  // namespace

std::size_t LineEditor::CharacterStart(std::size_t at) const {
  at = std::min(at, text_.size());
  while (at > 0 && at < text_.size() && IsContinuation(text_[at])) --at;
  return at;
}

std::size_t LineEditor::NextCharacter(std::size_t at) const {
  if (at >= text_.size()) return text_.size();
  do ++at;
  while (at < text_.size() && IsContinuation(text_[at]));
  return at;
}

void LineEditor::SetText(const std::string& text) {
  text_ = text;
  caret_ = anchor_ = 0;
}

std::size_t LineEditor::SelectionStart() const { return std::min(caret_, anchor_); }
std::size_t LineEditor::SelectionEnd() const { return std::max(caret_, anchor_); }

std::string LineEditor::SelectedText() const {
  return text_.substr(SelectionStart(), SelectionEnd() - SelectionStart());
}

void LineEditor::MoveCaret(std::size_t to, bool extend) {
  caret_ = CharacterStart(to);
  if (!extend) anchor_ = caret_;
}

void LineEditor::MoveLeft(bool extend) {
  if (HasSelection() && !extend) return MoveCaret(SelectionStart(), false);
  MoveCaret(caret_ > 0 ? caret_ - 1 : 0, extend);  // back to that character's start
}

void LineEditor::MoveRight(bool extend) {
  if (HasSelection() && !extend) return MoveCaret(SelectionEnd(), false);
  MoveCaret(NextCharacter(caret_), extend);
}

void LineEditor::MoveWordLeft(bool extend) {
  std::size_t at = caret_;
  while (at > 0 && !IsWordByte(text_[at - 1])) --at;
  while (at > 0 && IsWordByte(text_[at - 1])) --at;
  MoveCaret(at, extend);
}

void LineEditor::MoveWordRight(bool extend) {
  std::size_t at = caret_;
  while (at < text_.size() && IsWordByte(text_[at])) ++at;
  while (at < text_.size() && !IsWordByte(text_[at])) ++at;
  MoveCaret(at, extend);
}

void LineEditor::SelectAll() {
  anchor_ = 0;
  caret_ = text_.size();
}

bool LineEditor::EraseSelection() {
  if (!HasSelection()) return false;
  const std::size_t start = SelectionStart();
  text_.erase(start, SelectionEnd() - start);
  caret_ = anchor_ = start;
  return true;
}

bool LineEditor::Insert(std::string_view typed) {
  typed = typed.substr(0, typed.find_first_of(std::string_view("\r\n\0", 3)));
  const bool erased = EraseSelection();
  text_.insert(caret_, typed);
  caret_ = anchor_ = caret_ + typed.size();
  return erased || !typed.empty();
}

bool LineEditor::Backspace() {
  if (EraseSelection()) return true;
  if (caret_ == 0) return false;
  const std::size_t end = caret_;
  caret_ = anchor_ = CharacterStart(caret_ - 1);
  text_.erase(caret_, end - caret_);
  return true;
}

bool LineEditor::DeleteForward() {
  if (EraseSelection()) return true;
  if (caret_ >= text_.size()) return false;
  text_.erase(caret_, NextCharacter(caret_) - caret_);
  return true;
}

std::size_t CaretNearest(int x, const std::vector<int>& prefixWidths) {
  std::size_t best = 0;
  for (std::size_t i = 1; i < prefixWidths.size(); ++i)
    if (std::abs(prefixWidths[i] - x) < std::abs(prefixWidths[best] - x)) best = i;
  return best;
}

std::vector<int> BytePrefixWidths(const std::string& text, const std::vector<int>& unitExtents) {
  std::vector<int> widths(text.size() + 1, 0);
  std::size_t unit = 0;
  for (std::size_t at = 0; at < text.size(); ++at) {
    const auto byte = static_cast<unsigned char>(text[at]);
    if (!IsContinuation(text[at])) unit += byte >= 0xF0 ? 2 : 1;  // four bytes are a surrogate pair
    const bool lastOfCharacter = at + 1 == text.size() || !IsContinuation(text[at + 1]);
    widths[at + 1] = lastOfCharacter && unit > 0 && unit <= unitExtents.size() ? unitExtents[unit - 1] : widths[at];
  }
  return widths;
}

int ScrollToShowCaret(int caretX, int scroll, int visibleWidth, int textWidth) {
  const int width = std::max(visibleWidth, 1);
  if (caretX < scroll) scroll = caretX;
  if (caretX >= scroll + width) scroll = caretX - width + 1;
  // Text that has been scrolled away to the left comes back once there is room for it.
  scroll = std::min(scroll, std::max(textWidth - width + 1, 0));
  return std::max(scroll, 0);
}

// The edit field of the address box: typing, deleting, selecting, and keeping the
// caret in view.
#include <gtest/gtest.h>

#include "controls/styled/LineEditor.h"

namespace {
LineEditor EditorWith(const std::string& text, std::size_t caret) {
  LineEditor editor;
  editor.SetText(text);
  editor.MoveCaret(caret, false);
  return editor;
}
}  // namespace

TEST(LineEditor, TypingInsertsAtTheCaretAndReplacesTheSelection) {
  LineEditor editor = EditorWith("http://x", 7);
  EXPECT_TRUE(editor.Insert("radio."));
  EXPECT_EQ(editor.Text(), "http://radio.x");
  EXPECT_EQ(editor.Caret(), 13u);
  editor.MoveHome(true);
  EXPECT_EQ(editor.SelectedText(), "http://radio.");
  editor.Insert("ftp://");
  EXPECT_EQ(editor.Text(), "ftp://x");
  EXPECT_FALSE(editor.HasSelection());
}

TEST(LineEditor, PastedTextKeepsOnlyItsFirstLine) {
  LineEditor editor = EditorWith("", 0);
  editor.Insert("first\r\nsecond");
  EXPECT_EQ(editor.Text(), "first");
  editor.Insert(std::string("a\0b", 3));
  EXPECT_EQ(editor.Text(), "firsta");
  EXPECT_FALSE(editor.Insert("\nnothing"));
}

TEST(LineEditor, BackspaceAndDeleteTakeTheSelectionOrOneCharacterAndStopAtTheEnds) {
  LineEditor editor = EditorWith("abc", 0);
  EXPECT_FALSE(editor.Backspace());
  EXPECT_TRUE(editor.DeleteForward());
  EXPECT_EQ(editor.Text(), "bc");
  editor.MoveEnd(false);
  EXPECT_FALSE(editor.DeleteForward());
  EXPECT_TRUE(editor.Backspace());
  EXPECT_EQ(editor.Text(), "b");
  editor.SetText("abcdef");
  editor.MoveCaret(1, false);
  editor.MoveCaret(4, true);
  EXPECT_TRUE(editor.Backspace());
  EXPECT_EQ(editor.Text(), "aef");
  EXPECT_EQ(editor.Caret(), 1u);
}

TEST(LineEditor, ArrowsCollapseASelectionToItsSideAndNeverLeaveTheText) {
  LineEditor editor = EditorWith("abcdef", 2);
  editor.MoveCaret(5, true);
  editor.MoveLeft(false);
  EXPECT_EQ(editor.Caret(), 2u);
  EXPECT_FALSE(editor.HasSelection());
  editor.MoveCaret(99, false);
  EXPECT_EQ(editor.Caret(), 6u);
  editor.MoveRight(false);
  EXPECT_EQ(editor.Caret(), 6u);
  editor.MoveHome(false);
  editor.MoveLeft(true);
  EXPECT_EQ(editor.Caret(), 0u);
  editor.SelectAll();
  EXPECT_EQ(editor.SelectedText(), "abcdef");
}

TEST(LineEditor, WordMovesSkipToTheNextWordStart) {
  LineEditor editor = EditorWith("http://radio.example/a", 0);
  editor.MoveWordRight(false);
  EXPECT_EQ(editor.Caret(), 7u);
  editor.MoveWordRight(true);
  EXPECT_EQ(editor.SelectedText(), "radio.");
  editor.MoveEnd(false);
  editor.MoveWordLeft(false);
  EXPECT_EQ(editor.Caret(), 21u);
}

TEST(CaretNearest, PicksTheClosestCharacterBoundary) {
  const std::vector<int> widths{0, 6, 12, 20};
  EXPECT_EQ(CaretNearest(-5, widths), 0u);
  EXPECT_EQ(CaretNearest(4, widths), 1u);
  EXPECT_EQ(CaretNearest(17, widths), 3u);
  EXPECT_EQ(CaretNearest(500, widths), 3u);
  EXPECT_EQ(CaretNearest(3, {0}), 0u);
}

TEST(ScrollToShowCaret, ScrollsOnlyAsFarAsTheCaretNeeds) {
  EXPECT_EQ(ScrollToShowCaret(50, 0, 100, 300), 0);
  EXPECT_EQ(ScrollToShowCaret(150, 0, 100, 300), 51);
  EXPECT_EQ(ScrollToShowCaret(20, 51, 100, 300), 20);
  // After deleting, text no longer longer than the field comes back into view.
  EXPECT_EQ(ScrollToShowCaret(60, 51, 100, 60), 0);
}

// "a朝b🎵": a three-byte and a four-byte character between one-byte ones.
const std::string Morning =
    "a\xE6\x9C\x9D"
    "b\xF0\x9F\x8E\xB5";

TEST(LineEditorCharacters, CaretStepsOverWholeCharactersBothWays) {
  LineEditor editor = EditorWith(Morning, 0);
  std::vector<std::size_t> stops;
  for (int i = 0; i < 5; ++i, editor.MoveRight(false)) stops.push_back(editor.Caret());
  EXPECT_EQ(stops, (std::vector<std::size_t>{0, 1, 4, 5, 9}));
  editor.MoveLeft(false);
  EXPECT_EQ(editor.Caret(), 5u);
  editor.MoveLeft(true);
  editor.MoveLeft(true);
  EXPECT_EQ(editor.SelectedText(),
            "\xE6\x9C\x9D"
            "b");
  // A position inside a character, as a click or a stale index may ask, is its start.
  editor.MoveCaret(3, false);
  EXPECT_EQ(editor.Caret(), 1u);
}

TEST(LineEditorCharacters, BackspaceAndDeleteTakeWholeCharacters) {
  LineEditor editor = EditorWith(Morning, 9);
  EXPECT_TRUE(editor.Backspace());
  EXPECT_EQ(editor.Text(),
            "a\xE6\x9C\x9D"
            "b");
  editor.MoveCaret(1, false);
  EXPECT_TRUE(editor.DeleteForward());
  EXPECT_EQ(editor.Text(), "ab");
  editor.Insert("\xE6\x9C\x9D");
  EXPECT_EQ(editor.Caret(), 4u);
  EXPECT_TRUE(editor.Backspace());
  EXPECT_EQ(editor.Text(), "ab");
  EXPECT_EQ(editor.Caret(), 1u);
}

TEST(LineEditorCharacters, PrefixWidthsPutPositionsInsideACharacterBeforeIt) {
  // UTF-16 units of "a朝b🎵": a, 朝, b and the two halves of the pair.
  const std::vector<int> widths = BytePrefixWidths(Morning, {5, 17, 22, 30, 34});
  EXPECT_EQ(widths, (std::vector<int>{0, 5, 5, 5, 17, 22, 22, 22, 22, 34}));
  EXPECT_EQ(CaretNearest(10, widths), 1u) << "nearer the character's start";
  EXPECT_EQ(CaretNearest(12, widths), 4u) << "nearer its end";
  EXPECT_EQ(CaretNearest(33, widths), 9u);
}

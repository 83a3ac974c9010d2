// The hyperlink label: red and underlined under the mouse, purple with a focus frame
// once clicked and left, unchanged with hot-tracking off, embossed and deaf disabled.
#include <gtest/gtest.h>

#include "controls/styled/SCLabel.h"
#include "tests/windows/StyledTestSupport.h"
#include "tests/windows/WindowTestSupport.h"

namespace {

// A click through the system's input queue, as a user's mouse makes it.
void UserClick(TWinControl& control, int x, int y) {
  const Point at = control.ClientToScreen({x, y});
  SetCursorPos(at.x, at.y);
  INPUT clicks[2] = {};
  clicks[0].type = clicks[1].type = INPUT_MOUSE;
  clicks[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  clicks[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, clicks, sizeof(INPUT));
}

constexpr TColor Red = 0x0000FF;
constexpr TColor Purple = 0x800080;

class StyledLabel : public HostedTest {
 protected:
  void SetUp() override {
    Host(400, 100);
    label = &AddControl<TSCLabel>(*form, 10, 10, 300, 17);
    label->SetCaption("Visit my homepage");
    label->Font().SetStyle(fsBold | fsUnderline);
    label->Font().SetColor(clBlue);
    label->OnClick = [this](TComponent*) { ++clicks; };
  }
  int Count(TColor color) {
    return CountPixels(*RenderControl(*label), label->ClientRect(), [color](TColor c) { return c == color; });
  }
  // The longest run of one colour along any row: an underline is a long one.
  int LongestRun(TColor color) {
    auto image = RenderControl(*label);
    int longest = 0;
    for (int y = 0; y < 17; ++y) {
      int run = 0;
      for (int x = 0; x < 300; ++x) {
        run = PixelAt(*image, x, y) == color ? run + 1 : 0;
        longest = std::max(longest, run);
      }
    }
    return longest;
  }

  TSCLabel* label = nullptr;
  int clicks = 0;
};

}  // namespace

TEST_F(StyledLabel, UnderTheMouseALinkTurnsRedAndUnderlined) {
  label->Font().SetStyle(fsBold);  // the underline must come from the hot look
  EXPECT_LT(LongestRun(clBlue), 40);
  PointAt(*label, 20, 8);
  EXPECT_EQ(Count(clBlue), 0);
  EXPECT_GT(LongestRun(Red), 40);
}

TEST_F(StyledLabel, ClickedAndLeftItIsPurpleWithADottedFrame) {
  ClickAt(*label, 20, 8);
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(label->Focused());
  ParkPointer();
  SendMessageA(label->Handle(), WM_MOUSELEAVE, 0, 0);
  EXPECT_GT(Count(Purple), 20);
  EXPECT_EQ(Count(Red), 0);
  EXPECT_GT(Count(clBlack), 20);  // focus dots inverted from the white background
}

TEST_F(StyledLabel, WithHottrackOffItNeverChangesColourButStillClicks) {
  label->SetHottrack(false);
  PointAt(*label, 20, 8);
  EXPECT_EQ(Count(Red), 0);
  EXPECT_GT(Count(clBlue), 20);
  ClickAt(*label, 20, 8);
  ParkPointer();
  SendMessageA(label->Handle(), WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(Count(Purple), 0);
  EXPECT_EQ(clicks, 1);
}

TEST_F(StyledLabel, DisabledItIsEmbossedAndAUserClickDoesNotReachIt) {
  label->SetEnabled(false);
  EXPECT_EQ(Count(clBlue), 0);
  EXPECT_GT(Count(ToColorRef(clBtnShadow)), 20);
  // A click on an enabled witness, queued behind, proves the first one was handled.
  auto& witness = AddControl<TSCLabel>(*form, 10, 50, 300, 17);
  witness.SetCaption("Witness");
  int witnessClicks = 0;
  witness.OnClick = [&](TComponent*) { ++witnessClicks; };
  UserClick(*label, 20, 8);
  UserClick(witness, 20, 8);
  PumpMessages(10000, [&] { return witnessClicks > 0; });
  ASSERT_EQ(witnessClicks, 1) << "the user's clicks never arrived";
  EXPECT_EQ(this->clicks, 0);
  EXPECT_FALSE(label->MouseInControl());
}

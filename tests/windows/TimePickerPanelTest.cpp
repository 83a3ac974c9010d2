// The picker's bordered panel base and its clock-face colour set: frame rings on the
// listed sides, the band, the client rectangle children get, and repaint requests.
#include <gtest/gtest.h>

#include "controls/timepicker/RzCustomPanel.h"
#include "tests/windows/PickerFixture.h"

namespace {

constexpr TColor Band = 0x3040C0;

class BorderedPanel : public HostedTest {
 protected:
  void SetUp() override {
    Host(300, 200);
    panel = &AddControl<TRzCustomPanel>(*form, 10, 10, 100, 80);
    panel->SetColor(clWhite);
  }

  TColor PixelOf(int x, int y) { return PixelAt(*RenderControl(*panel), x, y); }

  TRzCustomPanel* panel = nullptr;
};

// Whether painting has been asked for since the window was last validated.
bool RepaintRequested(HWND window) { return GetUpdateRect(window, nullptr, FALSE) != 0; }

}  // namespace

TEST_F(BorderedPanel, RaisedFrameIsLightAboveAndDarkBelowAroundTheInterior) {
  EXPECT_EQ(PixelOf(0, 0), ToColorRef(cl3DLight));
  EXPECT_EQ(PixelOf(1, 1), ToColorRef(clBtnHighlight));
  EXPECT_EQ(PixelOf(99, 79), ToColorRef(cl3DDkShadow));
  EXPECT_EQ(PixelOf(98, 40), ToColorRef(clBtnShadow));
  EXPECT_EQ(PixelOf(2, 2), clWhite);
}

TEST_F(BorderedPanel, TheBandLiesBetweenTheFramesAndChildrenGetWhatIsLeft) {
  panel->SetBorderWidth(3);
  panel->SetBorderColor(Band);
  panel->SetBorderInner(fsFlat);
  panel->SetFlatColor(clBlack);
  EXPECT_EQ(PixelOf(2, 40), Band);
  EXPECT_EQ(PixelOf(4, 40), Band);
  EXPECT_EQ(PixelOf(5, 40), ColorToRGB(AdjustedFlatColor(clBlack, 30, ScreenColors()), ScreenColors()));
  EXPECT_EQ(PixelOf(6, 40), clWhite);
  auto* child = new TWinControl(form.get());
  child->SetAlign(TAlign::alClient);
  child->SetParent(panel);
  EXPECT_EQ((Rect{child->Left(), child->Top(), child->Left() + child->Width(), child->Top() + child->Height()}),
            (Rect{6, 6, 94, 74}));
  panel->SetBorderSides({true, false, false, false});  // children follow a change of sides
  EXPECT_EQ(child->Top(), 3);
  EXPECT_EQ(child->Left(), 6);
}

TEST_F(BorderedPanel, NoSidesMeansNoFrameWhateverTheStyles) {
  panel->SetBorderSides(NoBorderSides);
  panel->SetBorderInner(fsButtonDown);
  EXPECT_EQ(PixelOf(0, 0), clWhite);
  EXPECT_EQ(PixelOf(99, 79), clWhite);
  EXPECT_EQ(panel->FramedClientRect(), (Rect{0, 0, 100, 80}));
}

TEST_F(BorderedPanel, SettersRepaintOnlyOnAChange) {
  const HWND window = panel->Handle();
  ValidateRect(window, nullptr);
  panel->SetBorderOuter(fsRaised);
  panel->SetFlatColorAdjustment(30);
  EXPECT_FALSE(RepaintRequested(window));
  panel->SetFlatColorAdjustment(0);
  EXPECT_TRUE(RepaintRequested(window));
}

using ClockFaceColorSet = PickerTest;

TEST_F(ClockFaceColorSet, EveryWriteRepaintsAndIndexesOutsideTheFiveAreInert) {
  TRzClockFaceColors& colors = picker->ClockFaceColors();
  EXPECT_EQ(colors.Face(), clBtnFace);
  EXPECT_EQ(colors.HourTicks(), clBtnShadow);
  ValidateRect(picker->Handle(), nullptr);
  colors.SetColor(5, clWhite);
  EXPECT_EQ(colors.Color(5), clNone);
  EXPECT_EQ(colors.Color(-1), clNone);
  EXPECT_FALSE(RepaintRequested(picker->Handle()));
  colors.SetFace(clBtnFace);  // the same colour again still repaints
  EXPECT_TRUE(RepaintRequested(picker->Handle()));
}

TEST_F(ClockFaceColorSet, AssigningCopiesTheFiveColoursAndSharesNothing) {
  TRzTimePicker* source = picker;
  auto* target = &AddControl<TRzTimePicker>(*form, 200, 10, 160, 190);
  const TColor chosen[] = {clSilver, clNavy, clBlue, clWhite, clBlack};
  for (int index = 0; index < 5; ++index) source->ClockFaceColors().SetColor(index, chosen[index]);
  target->SetClockFaceColors(source->ClockFaceColors());
  for (int index = 0; index < 5; ++index) EXPECT_EQ(target->ClockFaceColors().Color(index), chosen[index]) << index;
  source->ClockFaceColors().SetFace(clBlack);
  EXPECT_EQ(target->ClockFaceColors().Face(), clSilver);
}

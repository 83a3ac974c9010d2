#include "controls/styled/SCPanel.h"

#include "controls/styled/SCPaint.h"

TSCPanel::TSCPanel(TComponent* owner) : TSCCustomControl(owner) { SetParentColor(true); }

void TSCPanel::SetGradient(TSCGradient gradient) { SetProperty(gradient_.direction, gradient); }
void TSCPanel::SetGradientEnd(TColor color) { SetProperty(gradient_.end, color); }
void TSCPanel::SetGradientMid(TColor color) { SetProperty(gradient_.mid, color); }
void TSCPanel::SetGradientUsesMid(bool usesMid) { SetProperty(gradient_.usesMid, usesMid); }
void TSCPanel::SetAlignment(TAlignment alignment) { SetProperty(alignment_, alignment); }
void TSCPanel::SetLayout(TSCLayout layout) { SetProperty(layout_, layout); }
void TSCPanel::SetMultiline(bool multiline) { SetProperty(multiline_, multiline); }

void TSCPanel::Paint(TCanvas& canvas) {
  const Rect client = ClientRect();
  PanelGradient gradient = gradient_;
  gradient.color = Color();
  const std::vector<GradientSpan> spans = PanelGradientSpans(client, gradient);
  if (spans.empty()) PaintBackground(canvas, Color());
  for (const GradientSpan& span : spans) FillGradient(canvas, span);

  if (Caption().empty()) return;
  TextPlacement placement;
  placement.alignment = alignment_;
  placement.layout = layout_;
  placement.wordWrap = multiline_;
  DrawCaption(canvas, Caption(), client, placement, Enabled());
}

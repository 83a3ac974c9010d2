#pragma once
// Transparency for controls that are windows of their own: the part of the parent that
// lies under the control, and the earlier siblings overlapping it, drawn into the
// control's canvas, so that a parent's gradient shows through.
class TCanvas;
class TWinControl;

void PaintParentBackground(TWinControl& control, TCanvas& canvas);

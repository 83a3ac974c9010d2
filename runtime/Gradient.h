#pragma once
// The arithmetic of the styled controls' gradient fill: which colour lies at which
// edge, the banded fill used without the platform's gradient call, and how a panel
// splits a three-colour gradient. The Windows layer turns the results into GDI calls.
#include <optional>
#include <vector>

#include "runtime/ColorMath.h"
#include "runtime/Geometry.h"

enum TSCGradient { scgNone, scgLeftToRight, scgRightToLeft, scgTopToBottom, scgBottomToTop };

// One gradient fill: the start colour lies at the edge the direction names first
// (left, right, top or bottom), the end colour at the opposite edge.
struct GradientSpan {
  Rect rect;
  TSCGradient direction = scgNone;
  TColor start = clBlack;
  TColor end = clBlack;
};

bool IsHorizontalGradient(TSCGradient direction);

// Resolved colours for the platform's two-vertex rectangle gradient: vertex 0 at the
// top-left corner, vertex 1 at the bottom-right one.
struct GradientVertices {
  TColor topLeft = clBlack;
  TColor bottomRight = clBlack;
  bool horizontal = true;
};

// Nothing for scgNone or an empty rectangle.
std::optional<GradientVertices> GradientEnds(const GradientSpan& span, const SystemColorResolver& system);

struct GradientBand {
  Rect rect;
  TColor color = clBlack;
};

// At most 256 solid bands covering the rectangle, in order from the left (top) edge;
// one band in the start colour when the span is one pixel long or the colours agree.
// Nothing for scgNone or an empty rectangle.
std::vector<GradientBand> GradientBands(const GradientSpan& span, const SystemColorResolver& system);

// A styled panel's background colours.
struct PanelGradient {
  TSCGradient direction = scgNone;
  TColor color = clWhite;
  TColor end = clNavy;
  TColor mid = clBlue;
  bool usesMid = false;
};

// False when the panel is filled with its plain colour instead.
bool GradientInEffect(const PanelGradient& panel);

// The fills that paint the panel's background: none when no gradient is in effect,
// one for two colours, two halves for three (the second half takes an odd pixel).
std::vector<GradientSpan> PanelGradientSpans(const Rect& client, const PanelGradient& panel);

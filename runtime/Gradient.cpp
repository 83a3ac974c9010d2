#include "runtime/Gradient.h"

#include <algorithm>
#include <utility>

namespace {

constexpr int MaxGradientSteps = 255;

bool RunsBackward(TSCGradient direction) { return direction == scgRightToLeft || direction == scgBottomToTop; }

TColor BandColor(TColor first, TColor last, int step, int steps) {
  const auto channel = [step, steps](int from, int to) { return from - MulDivRounded(step, from - to, steps); };
  return RGBColor(channel(RedOf(first), RedOf(last)), channel(GreenOf(first), GreenOf(last)),
                  channel(BlueOf(first), BlueOf(last)));
}

}  // namespace

bool IsHorizontalGradient(TSCGradient direction) { return direction == scgLeftToRight || direction == scgRightToLeft; }

std::optional<GradientVertices> GradientEnds(const GradientSpan& span, const SystemColorResolver& system) {
  if (span.direction == scgNone || span.rect.IsEmpty()) return std::nullopt;
  GradientVertices vertices;
  vertices.topLeft = ColorToRGB(span.start, system);
  vertices.bottomRight = ColorToRGB(span.end, system);
  vertices.horizontal = IsHorizontalGradient(span.direction);
  if (RunsBackward(span.direction)) std::swap(vertices.topLeft, vertices.bottomRight);
  return vertices;
}

std::vector<GradientBand> GradientBands(const GradientSpan& span, const SystemColorResolver& system) {
  const Rect& r = span.rect;
  if (span.direction == scgNone || r.IsEmpty()) return {};
  const bool horizontal = IsHorizontalGradient(span.direction);
  const int length = horizontal ? r.Width() : r.Height();
  TColor first = ColorToRGB(span.start, system);
  TColor last = ColorToRGB(span.end, system);
  if (length == 1 || first == last) return {{r, first}};
  if (RunsBackward(span.direction)) std::swap(first, last);

  const int steps = std::min(MaxGradientSteps, length - 1);
  const int limit = horizontal ? r.right : r.bottom;
  std::vector<GradientBand> bands;
  int edge = horizontal ? r.left : r.top;
  for (int step = 0; step <= steps && edge < limit; ++step) {
    // Band edges follow the rounded positions step * (length - 1) / steps; the first
    // band's width comes from the position of step -1, so the bands may overrun the
    // rectangle by a pixel, which the clip takes back.
    const int advance = MulDivRounded(step, length - 1, steps) - MulDivRounded(step - 1, length - 1, steps);
    const int from = edge;
    edge = std::min(edge + std::max(advance, 1), limit);
    const Rect band = horizontal ? Rect{from, r.top, edge, r.bottom} : Rect{r.left, from, r.right, edge};
    bands.push_back({band, BandColor(first, last, step, steps)});
  }
  return bands;
}

bool GradientInEffect(const PanelGradient& panel) {
  if (panel.direction == scgNone) return false;
  if (panel.end == clNone && (!panel.usesMid || panel.mid == clNone)) return false;
  if (panel.end == panel.color && (!panel.usesMid || panel.mid == panel.color)) return false;
  return true;
}

std::vector<GradientSpan> PanelGradientSpans(const Rect& client, const PanelGradient& panel) {
  if (!GradientInEffect(panel)) return {};
  if (!panel.usesMid || panel.mid == clNone) return {{client, panel.direction, panel.color, panel.end}};

  // Three colours always run left to right or top to bottom, the outer colours swapped
  // for the backward directions, so the odd pixel falls at the same side either way.
  TSCGradient direction = panel.direction;
  TColor start = panel.color;
  TColor end = panel.end;
  if (RunsBackward(direction)) {
    direction = direction == scgRightToLeft ? scgLeftToRight : scgTopToBottom;
    std::swap(start, end);
  }
  Rect firstHalf = client;
  Rect secondHalf = client;
  if (IsHorizontalGradient(direction)) {
    firstHalf.right = secondHalf.left = client.left + client.Width() / 2;
  } else {
    firstHalf.bottom = secondHalf.top = client.top + client.Height() / 2;
  }
  return {{firstHalf, direction, start, panel.mid}, {secondHalf, direction, panel.mid, end}};
}

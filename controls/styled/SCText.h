#pragma once
// Captions of the styled controls: placed inside a rectangle by horizontal alignment
// and vertical layout, on one line or word-wrapped, and embossed when disabled.
#include <windows.h>

#include <string>

#include "runtime/Canvas.h"

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum TSCLayout { sclaBottom, sclaMiddle, sclaTop };

struct TextPlacement {
  TAlignment alignment = taLeftJustify;
  TSCLayout layout = sclaMiddle;
  bool wordWrap = false;
  UINT extraFlags = 0;  // DT_END_ELLIPSIS, DT_PATH_ELLIPSIS, DT_NOPREFIX
};

// The rectangle the text takes when placed inside `bounds`.
Rect MeasureText(TCanvas& canvas, const std::string& text, const Rect& bounds, const TextPlacement& placement);

// Draws the text with a clear background, clipped to `bounds`, in the canvas font's
// colour; disabled text is drawn once a pixel right and down in clBtnHighlight and
// then in place in clBtnShadow.
void DrawCaption(TCanvas& canvas, const std::string& text, const Rect& bounds, const TextPlacement& placement,
                 bool enabled);

// The height of one line in the font (0 when it cannot be measured).
int LineHeight(TFont& font);
// One line plus a margin of two pixels above and below: the height of an auto-sized
// one-line control (0 when the font cannot be measured).
int AutoSizeHeight(TFont& font);

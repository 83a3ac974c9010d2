#include "runtime/Alignment.h"

#include <algorithm>

void AlignChildren(const AlignBox& client, std::vector<AlignedChild>& children) {
  int left = client.left, top = client.top;
  int right = client.left + client.width, bottom = client.top + client.height;
  for (TAlign kind : {TAlign::alTop, TAlign::alBottom, TAlign::alLeft, TAlign::alRight, TAlign::alClient}) {
    for (AlignedChild& child : children) {
      if (child.align != kind) continue;
      AlignBox& b = child.bounds;
      const int freeWidth = std::max(right - left, 0), freeHeight = std::max(bottom - top, 0);
      switch (kind) {
        case TAlign::alTop:
          b = {left, top, freeWidth, b.height};
          top += b.height;
          break;
        case TAlign::alBottom:
          b = {left, bottom - b.height, freeWidth, b.height};
          bottom -= b.height;
          break;
        case TAlign::alLeft:
          b = {left, top, b.width, freeHeight};
          left += b.width;
          break;
        case TAlign::alRight:
          b = {right - b.width, top, b.width, freeHeight};
          right -= b.width;
          break;
        default:
          b = {left, top, freeWidth, freeHeight};
          break;
      }
    }
  }
}

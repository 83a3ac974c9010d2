#pragma once
// Child alignment: controls aligned to an edge take that edge's full free length, in
// the order top, bottom, left, right (creation order among controls of one kind), and
// a client-aligned control fills what is left.
#include <vector>

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

struct AlignBox {
  int left = 0, top = 0, width = 0, height = 0;
};

struct AlignedChild {
  TAlign align = TAlign::alNone;
  AlignBox bounds;  // in: current bounds; out: the aligned bounds
};

// Places every aligned child (in creation order in `children`) inside `client`.
void AlignChildren(const AlignBox& client, std::vector<AlignedChild>& children);

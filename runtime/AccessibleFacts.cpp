#include "runtime/AccessibleFacts.h"

unsigned long AccessibleStateBits(const AccessibleFacts& facts) {
  unsigned long bits = 0;
  if (facts.unavailable) bits |= 0x1;
  if (facts.focused) bits |= 0x4;
  if (facts.checked) bits |= 0x10;
  if (facts.readOnly) bits |= 0x40;
  if (facts.invisible) bits |= 0x8000;
  if (facts.focusable) bits |= 0x100000;
  if (facts.linked) bits |= 0x400000;
  return bits;
}

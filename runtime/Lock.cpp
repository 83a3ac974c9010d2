#include "runtime/Lock.h"

namespace {
enum : LONG { NotRun, Running, Done };
}

bool OnceFlag::Claim() {
  for (;;) {
    const LONG seen = InterlockedCompareExchange(&state_, Running, NotRun);
    if (seen == NotRun) return true;
    if (seen == Done) return false;
    Sleep(1);  // another thread runs the action: a few calls at most, once per module
  }
}

void OnceFlag::Release(bool done) { InterlockedExchange(&state_, done ? Done : NotRun); }

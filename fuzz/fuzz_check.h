#pragma once
// Invariant checks for the fuzz targets: a broken invariant aborts, so libFuzzer keeps the
// input as a crash reproducer just as it does for a sanitizer report.

#include <cstdio>
#include <cstdlib>

namespace strikepad::fuzz {

inline void require(bool holds, const char* invariant) {
  if (holds) return;
  std::fprintf(stderr, "invariant broken: %s\n", invariant);
  std::abort();
}

}  // namespace strikepad::fuzz

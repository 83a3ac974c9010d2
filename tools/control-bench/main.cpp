// Prints the median time of each registered case over many runs: control-bench [PREFIX]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "runtime/Form.h"
#include "tools/control-bench/Bench.h"

std::vector<BenchCaseInfo>& BenchCases() {
  static std::vector<BenchCaseInfo> cases;
  return cases;
}

namespace {
constexpr int Runs = 200;

double Seconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}
}  // namespace

int main(int argc, char** argv) {
  const std::string prefix = argc > 1 ? argv[1] : "";
  for (const BenchCaseInfo& bench : BenchCases()) {
    if (bench.name.compare(0, prefix.size(), prefix) != 0) continue;
    auto host = std::make_unique<TForm>(nullptr);
    host->SetClientSize(800, 500);
    host->Show();
    const BenchStep step = bench.prepare(*host);
    step.run();  // warm-up: fonts and bitmaps made once
    if (step.after) step.after();
    std::vector<double> times;
    for (int i = 0; i < Runs; ++i) {
      LARGE_INTEGER start, end;
      QueryPerformanceCounter(&start);
      step.run();
      QueryPerformanceCounter(&end);
      if (step.after) step.after();
      times.push_back(Seconds(start, end) * 1000.0);
    }
    std::sort(times.begin(), times.end());
    std::printf("%-48s median %.3f ms  (min %.3f, max %.3f, %d runs)\n", bench.name.c_str(), times[Runs / 2],
                times.front(), times.back(), Runs);
  }
  return 0;
}

#pragma once
// Paint and update timings of the controls. Each bench file registers its cases with a
// static BenchCase object; a case sets itself up, then runs its measured step once per
// call of the returned function.
#include <functional>
#include <string>
#include <vector>

class TForm;

// The measured step, and what to do after each run outside the measurement.
struct BenchStep {
  BenchStep(std::function<void()> measured, std::function<void()> untimed = nullptr)
      : run(std::move(measured)), after(std::move(untimed)) {}
  std::function<void()> run;
  std::function<void()> after;
};

struct BenchCaseInfo {
  std::string name;
  std::function<BenchStep(TForm& host)> prepare;
};

std::vector<BenchCaseInfo>& BenchCases();

struct BenchCase {
  BenchCase(std::string name, std::function<BenchStep(TForm& host)> prepare) {
    BenchCases().push_back({std::move(name), std::move(prepare)});
  }
};

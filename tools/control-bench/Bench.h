#pragma once
// Paint and update timings of the controls. Each bench file registers its cases with a
// static BenchCase object; a case sets itself up, then runs its measured step once per
// call of the returned function.
#include <functional>
#include <string>
#include <vector>

class TForm;

struct BenchCaseInfo {
  std::string name;
  std::function<std::function<void()>(TForm& host)> prepare;
};

std::vector<BenchCaseInfo>& BenchCases();

struct BenchCase {
  BenchCase(std::string name, std::function<std::function<void()>(TForm& host)> prepare) {
    BenchCases().push_back({std::move(name), std::move(prepare)});
  }
};

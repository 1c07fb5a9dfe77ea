// The largest deviation of a table of checks, printed when the test ends.
#pragma once

#include <cmath>
#include <iostream>
#include <string>

namespace sternwerk::testing {

class WorstError {
 public:
  explicit WorstError(std::string quantity) : quantity_(std::move(quantity)) {}
  ~WorstError() {
    std::cout << "worst " << quantity_ << " error: " << worst_ << " (" << where_ << ")\n";
  }
  // Records |actual - expected| and returns it.
  double Add(double actual, double expected, const std::string& where) {
    const double error = std::abs(actual - expected);
    if (error > worst_) {
      worst_ = error;
      where_ = where;
    }
    return error;
  }

 private:
  std::string quantity_;
  double worst_ = 0;
  std::string where_ = "none";
};

}  // namespace sternwerk::testing

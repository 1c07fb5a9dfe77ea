// Finding charts as the user types, and the chart a name stands for.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/outcome.h"
#include "collection/chart.h"

namespace sternwerk {

// The charts whose name, first name, place, region, country or year hold
// every word typed, letters in either case (umlauts too). The texts are
// folded once, so that each keystroke only compares.
class ChartFilter {
 public:
  explicit ChartFilter(const std::vector<Chart>& charts);

  // The positions in the charts given of those that match, in their order;
  // all of them for a text without words.
  std::vector<std::size_t> Matching(std::string_view typed) const;

 private:
  std::vector<std::string> keys_;
};

// The chart `typed` names: the one whose name or full name ("Name,
// Vorname") it is, letters in either case; else the one whose name or full
// name begins with it. None, or several of the same name or beginning, is a
// failure that says so and lists them.
Outcome<Chart> ChartNamed(const std::vector<Chart>& charts, std::string_view typed);

// The text with letters in small case: ASCII and the capitals of Latin-1
// (UTF-8), so that "ÄRGER" finds "Ärger".
std::string FoldedText(std::string_view text);

}  // namespace sternwerk

// What reading another program's file of charts gives, and the text
// helpers the exchange formats share.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "collection/chart.h"

namespace sternwerk {

// A record that was not taken, and why.
struct ImportProblem {
  int line = 0;         // 1-based line of the file where the record or its fault is
  std::string message;  // one sentence, UTF-8, in the language of the run
};

// The charts of a file and the records skipped; each chart is whole and
// passes CheckChart.
struct ImportedCharts {
  std::vector<Chart> charts;
  std::vector<ImportProblem> problems;
};

// The text of a file as UTF-8: taken as UTF-8 where it is (a byte order
// mark dropped), else as Windows-1252.
std::string Utf8Text(std::string_view file);

// The lines of a file as UTF-8: the file taken as UTF-8 where it is (a
// byte order mark dropped), else as Windows-1252; split at LF, CR LF or CR.
std::vector<std::string> TextLines(std::string_view file);

// The text without blanks, tabs and line ends at either side.
std::string_view Trimmed(std::string_view text);

// A date "D.M.YYYY" (one or two digits of day and month) of a real day.
// The time of the date is 0.
std::optional<ClockReading> DottedDate(std::string_view text);

// A time "H:MM", "H:MM:SS" or "H.MM" of the day: its seconds.
std::optional<int> ClockTime(std::string_view text);

// A whole number of digits only (no sign), at most `digits` of them.
bool ReadDigits(std::string_view text, std::size_t digits, int& value);

}  // namespace sternwerk

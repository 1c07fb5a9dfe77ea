// The enlarged chart's files in the working directory: the working file
// img.wmf rewritten at every drawing, the numbered copies "RURed-NN.WMF"
// saved on request, and the clean-up when the chart window closes.
#pragma once

#include <filesystem>
#include <string>

#include "base/outcome.h"
#include "platform/picture.h"

namespace sternwerk {

inline constexpr const char* kChartWorkingFile = "img.wmf";

// "RURed-" + the number, at least two digits, + ".WMF".
std::string ChartCopyName(unsigned number);

class ChartFiles {
 public:
  explicit ChartFiles(std::filesystem::path directory) : directory_(std::move(directory)) {}

  // A new showing of the chart window: nothing saved in it yet.
  void BeginVisit();

  // Rewrites img.wmf with the chart; the failure names the file and why.
  Status WriteWorkingFile(const Picture& chart);

  // Writes the chart as the next numbered copy and gives its name. Numbers
  // run on through the run, and a number whose file already exists is
  // passed over, so that no earlier copy is ever overwritten.
  Outcome<std::string> SaveCopy(const Picture& chart);

  // Ends the visit: img.wmf, written once more from the chart as last
  // drawn, becomes the visit's last copy when one was saved, and is removed
  // otherwise. Whatever else has been put in its place since the last
  // drawing never reaches a copy; a file this visit did not write is left
  // alone.
  void EndVisit(const Picture& lastDrawn);

  bool savedThisVisit() const { return savedThisVisit_; }

  // The folder the files go to, as an absolute path.
  std::filesystem::path folder() const { return std::filesystem::absolute(directory_); }

 private:
  std::filesystem::path directory_;
  unsigned saveCounter_ = 1;  // number of the next copy
  std::string lastCopy_;      // name of the visit's last copy
  bool savedThisVisit_ = false;
  bool workingFileWritten_ = false;
};

}  // namespace sternwerk

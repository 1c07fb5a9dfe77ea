#include "charts/chart_files.h"

#include <fstream>
#include <system_error>

#include "engine/text_forms.h"
#include "platform/wmf_writer.h"

namespace sternwerk {

namespace {

constexpr int kCopyDigits = 2;

}  // namespace

std::string ChartCopyName(unsigned number) {
  std::string digits = std::to_string(number);
  if (digits.size() < kCopyDigits) digits.insert(0, kCopyDigits - digits.size(), '0');
  return "RURed-" + digits + ".WMF";
}

void ChartFiles::BeginVisit() {
  savedThisVisit_ = false;
  workingFileWritten_ = false;
  lastCopy_.clear();
}

Status ChartFiles::WriteWorkingFile(const Picture& chart) {
  const Status written = SaveWmfFile(chart, (directory_ / kChartWorkingFile).string());
  if (written.ok()) workingFileWritten_ = true;
  return written;
}

Outcome<std::string> ChartFiles::SaveCopy(const Picture& chart) {
  unsigned number = saveCounter_;
  std::error_code error;
  while (std::filesystem::exists(directory_ / ChartCopyName(number), error)) ++number;
  const std::string name = ChartCopyName(number);
  const Status written = SaveWmfFile(chart, (directory_ / name).string());
  if (!written.ok()) return Outcome<std::string>::Failure(written.error());
  saveCounter_ = number + 1;
  lastCopy_ = name;
  savedThisVisit_ = true;
  return Outcome<std::string>::Success(name);
}

void ChartFiles::EndVisit(const Picture& lastDrawn) {
  std::error_code ignored;
  const std::filesystem::path workingFile = directory_ / kChartWorkingFile;
  if (savedThisVisit_ && WriteWorkingFile(lastDrawn).ok()) {
    std::filesystem::rename(workingFile, directory_ / lastCopy_, ignored);
  } else if (workingFileWritten_) {
    std::filesystem::remove(workingFile, ignored);
  }
  BeginVisit();
}

}  // namespace sternwerk

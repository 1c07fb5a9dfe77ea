#include "windows/chart_files.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <system_error>

#include "engine/text_forms.h"
#include "platform/wmf_writer.h"

namespace sternwerk {

namespace {

constexpr int kCopyDigits = 2;

// Writes the chart as a placeable metafile; the failure names the file and
// the system's reason.
Status WriteWmf(const Picture& chart, const std::filesystem::path& path) {
  const Outcome<std::vector<std::uint8_t>> bytes = EncodeWmf(chart);
  const std::string name = path.filename().string();
  if (!bytes.ok()) {
    return Status::Failure("Die Datei " + name +
                           " kann nicht geschrieben werden: " + bytes.error());
  }
  errno = 0;
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.value().data()),
             static_cast<std::streamsize>(bytes.value().size()));
  file.close();
  if (!file) {
    const std::string reason = errno != 0 ? std::strerror(errno) : "Schreibfehler";
    return Status::Failure("Die Datei " + name + " kann nicht geschrieben werden: " + reason);
  }
  return Status::Success();
}

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
  const Status written = WriteWmf(chart, directory_ / kChartWorkingFile);
  if (written.ok()) workingFileWritten_ = true;
  return written;
}

Outcome<std::string> ChartFiles::SaveCopy(const Picture& chart) {
  unsigned number = saveCounter_;
  std::error_code error;
  while (std::filesystem::exists(directory_ / ChartCopyName(number), error)) ++number;
  const std::string name = ChartCopyName(number);
  const Status written = WriteWmf(chart, directory_ / name);
  if (!written.ok()) return Outcome<std::string>::Failure(written.error());
  saveCounter_ = number + 1;
  lastCopy_ = name;
  savedThisVisit_ = true;
  return Outcome<std::string>::Success(name);
}

void ChartFiles::EndVisit() {
  std::error_code ignored;
  const std::filesystem::path workingFile = directory_ / kChartWorkingFile;
  if (workingFileWritten_) {
    if (savedThisVisit_) {
      std::filesystem::rename(workingFile, directory_ / lastCopy_, ignored);
    } else {
      std::filesystem::remove(workingFile, ignored);
    }
  }
  BeginVisit();
}

}  // namespace sternwerk

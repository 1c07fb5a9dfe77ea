#include "clock/state_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>

#include "base/failure_text.h"
#include "base/file_replacement.h"
#include "base/line_reader.h"
#include "base/system_error_text.h"
#include "base/text_encoding.h"
#include "engine/calendar.h"
#include "engine/state_texts.h"
#include "engine/text_forms.h"

namespace sternwerk {
namespace {

constexpr std::size_t kLineCount = 4;
constexpr std::size_t kTextLength = 10;  // characters of a line that are read
constexpr char kLineEnd[] = "\r\n";

enum Line { kDateLine, kTimeLine, kLongitudeLine, kLatitudeLine };

constexpr const char* kContext = "sternwerk::StateFile";
// %1 is the file, %2 its date.
constexpr const char* kDateOutsideCalendar =
    QT_TRANSLATE_NOOP("sternwerk::StateFile",
                      "Die Datei %1 enthält das Datum %2; der Kalender der Uhr reicht vom "
                      "01.01.1600 bis zum 31.12.9999. Datum und Zeit der Datei werden nicht "
                      "übernommen.");

// A file opened for reading, closed when it goes out of scope. Only a regular
// file is opened: a directory, pipe or device of that name is refused (and a
// pipe without a writer cannot block the opening).
class InputFile {
 public:
  explicit InputFile(const std::filesystem::path& file) {
    fd_ = open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd_ < 0) {
      reason_ = SystemErrorText(errno);
      return;
    }
    struct stat status {};
    if (fstat(fd_, &status) != 0) {
      reason_ = SystemErrorText(errno);
    } else if (S_ISDIR(status.st_mode)) {
      reason_ = SystemErrorText(EISDIR);
    } else if (!S_ISREG(status.st_mode)) {
      reason_ = Translated("sternwerk::StateFile",
                           QT_TRANSLATE_NOOP("sternwerk::StateFile", "keine gewöhnliche Datei"));
    }
  }
  ~InputFile() {
    if (fd_ >= 0) close(fd_);
  }
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;

  bool opened() const { return reason_.empty(); }
  int fd() const { return fd_; }
  // Why the file could not be opened.
  const std::string& reason() const { return reason_; }

 private:
  int fd_ = -1;
  std::string reason_;
};

// The lines of a state file as far as they are read.
struct StateLines {
  std::array<std::string, kLineCount> texts;  // first kTextLength characters, "" when missing
  std::string failure;                        // why the file could not be read, "" when it was
};

StateLines ReadLines(const std::filesystem::path& file) {
  StateLines lines;
  const InputFile input(file);
  if (!input.opened()) {
    lines.failure = input.reason();
    return lines;
  }
  LineReader reader(input.fd());
  for (std::string& text : lines.texts) text = reader.ReadLine(kTextLength).value_or("");
  const Status read = reader.status();
  if (!read.ok()) lines.failure = read.error();
  return lines;
}

// The date text refused unless it is a day of the clock's calendar.
Status CheckedDate(const std::filesystem::path& file, const std::string& dateText) {
  SkyState instant;
  instant.dateText = dateText;
  SetInstantFromTexts(instant);
  if (IsCalendarDate(instant.day, instant.month, instant.year)) return Status::Success();
  return Status::Failure(WithArguments(Translated(kContext, kDateOutsideCalendar),
                                       {file.string(), Windows1252ToUtf8(dateText)}));
}

// Whether the date text holds a four-digit year before the calendar's first.
bool BeforeCalendar(const std::string& dateText) {
  constexpr std::size_t kYearStart = 7, kYearEnd = 10;  // characters, counted from 1
  if (dateText.size() < kYearEnd) return false;
  const bool digits = std::all_of(dateText.begin() + kYearStart - 1, dateText.begin() + kYearEnd,
                                  [](char c) { return c >= '0' && c <= '9'; });
  return digits && FixedField(dateText, kYearStart, kYearEnd) < kFirstCalendarYear;
}

}  // namespace

Status WriteStateFile(const std::filesystem::path& directory, SkyState& sky) {
  sky.timeText = FormatHours(sky.hours);
  const std::string content = sky.dateText + kLineEnd + sky.timeText + kLineEnd +
                              sky.longitudeText + kLineEnd + sky.latitudeText + kLineEnd;
  return ReplaceFileContent(directory / kStateFileName, content);
}

Status ReadStartupPlace(const std::filesystem::path& directory, SkyState& sky) {
  const std::filesystem::path file = directory / kStateFileName;
  const StateLines lines = ReadLines(file);
  if (!lines.failure.empty())
    return Status::Failure(FailureText(file.string(), kRead, lines.failure));
  sky.longitudeText = lines.texts[kLongitudeLine];
  sky.latitudeText = lines.texts[kLatitudeLine];
  SetPlaceFromTexts(sky);
  return Status::Success();
}

Status ReadStateFile(const std::filesystem::path& directory, SkyState& sky) {
  const std::filesystem::path file = directory / kStateFileName;
  const StateLines lines = ReadLines(file);
  if (!lines.failure.empty())
    return Status::Failure(FailureText(file.string(), kRead, lines.failure));
  sky.dateText = lines.texts[kDateLine];
  sky.timeText = lines.texts[kTimeLine];
  sky.longitudeText = lines.texts[kLongitudeLine];
  sky.latitudeText = lines.texts[kLatitudeLine];
  return Status::Success();
}

Status ReadLastInstant(const std::filesystem::path& directory, SkyState& sky) {
  SkyState read = sky;
  const Status status = ReadStateFile(directory, read);
  if (!status.ok()) return status;
  const Status date = CheckedDate(directory / kStateFileName, read.dateText);
  if (date.ok()) sky = std::move(read);
  return date;
}

Status CheckStartupDate(const std::filesystem::path& directory) {
  const std::filesystem::path file = directory / kStateFileName;
  const StateLines lines = ReadLines(file);
  if (!lines.failure.empty() || !BeforeCalendar(lines.texts[kDateLine])) return Status::Success();
  return CheckedDate(file, lines.texts[kDateLine]);
}

}  // namespace sternwerk

#include "base/line_reader.h"

#include <unistd.h>

#include <cerrno>

#include "base/system_error_text.h"

namespace sternwerk {

Status LineReader::status() const {
  return error_ == 0 ? Status::Success() : Status::Failure(SystemErrorText(error_));
}

std::optional<char> LineReader::NextByte() {
  if (begin_ == end_) {
    if (error_ != 0) return std::nullopt;
    ssize_t count;
    do {
      count = read(fd_, buffer_.data(), buffer_.size());
    } while (count < 0 && errno == EINTR);
    if (count < 0) error_ = errno;
    if (count <= 0) return std::nullopt;
    begin_ = 0;
    end_ = static_cast<std::size_t>(count);
  }
  return buffer_[begin_++];
}

std::optional<std::string> LineReader::ReadLine(std::size_t keep) {
  std::string line;
  std::size_t length = 0;  // bytes of the line so far, kept or not
  char last = '\0';
  std::optional<char> byte = NextByte();
  if (!byte) return std::nullopt;
  // One byte beyond `keep` is held, so that a CR ending the kept part can be
  // told apart from a CR that belongs to the line end.
  for (; byte && *byte != '\n'; byte = NextByte()) {
    if (line.size() <= keep) line.push_back(*byte);
    last = *byte;
    ++length;
  }
  if (error_ != 0) return std::nullopt;
  if (last == '\r' && line.size() == length) line.pop_back();
  if (line.size() > keep) line.resize(keep);
  return line;
}

}  // namespace sternwerk

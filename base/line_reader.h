// Reads text lines from an open file with a fixed amount of memory, whatever
// the file holds: long lines are cut, their rest is skipped unread into memory.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>

#include "base/outcome.h"

namespace sternwerk {

class LineReader {
 public:
  // Reads from the open file descriptor fd, which the caller keeps and closes.
  explicit LineReader(int fd) : fd_(fd) {}

  // The first `keep` bytes of the next line, without its line end (LF or
  // CR LF); the rest of the line is skipped. nullopt at the end of the file
  // or on a read error (then status() tells it).
  std::optional<std::string> ReadLine(std::size_t keep);

  // Whether every read so far succeeded; a failure gives the system's
  // reason for the failed read (SystemErrorText).
  Status status() const;

 private:
  // Next byte of the file, refilling the buffer; nullopt at end or on error.
  std::optional<char> NextByte();

  int fd_;
  int error_ = 0;
  std::array<char, 4096> buffer_{};
  std::size_t begin_ = 0;
  std::size_t end_ = 0;
};

}  // namespace sternwerk

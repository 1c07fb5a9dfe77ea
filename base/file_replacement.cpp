#include "base/file_replacement.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>

#include "base/failure_text.h"
#include "base/system_error_text.h"

namespace sternwerk {
namespace {

// Attempts at a free name for the new file before giving up.
constexpr int kNameAttempts = 100;
// Permissions of the new file before the umask, as for any created file.
constexpr mode_t kFileMode = 0666;

// Creates a new, empty file named `file` plus a unique suffix and returns its
// descriptor, or -1 with errno set.
int CreateBeside(const std::filesystem::path& file, std::filesystem::path& created) {
  int fd = -1;
  for (int attempt = 0; attempt < kNameAttempts && fd < 0; ++attempt) {
    created = file;
    created += "." + std::to_string(getpid()) + "-" + std::to_string(attempt) + ".tmp";
    fd = open(created.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kFileMode);
    if (fd < 0 && errno != EEXIST) break;
  }
  return fd;
}

int WriteAll(int fd, std::string_view content) {
  while (!content.empty()) {
    const ssize_t written = write(fd, content.data(), content.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    content.remove_prefix(static_cast<std::size_t>(written));
  }
  return 0;
}

Status CannotWrite(const std::filesystem::path& file, int error) {
  return Status::Failure(FailureText(file.string(), kWritten, SystemErrorText(error)));
}

}  // namespace

Status ReplaceFileContent(const std::filesystem::path& file, std::string_view content) {
  std::filesystem::path created;
  const int fd = CreateBeside(file, created);
  if (fd < 0) return CannotWrite(file, errno);
  int error = WriteAll(fd, content);
  if (error == 0 && fsync(fd) != 0) error = errno;
  if (close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && std::rename(created.c_str(), file.c_str()) != 0) error = errno;
  if (error == 0) return Status::Success();
  unlink(created.c_str());
  return CannotWrite(file, error);
}

}  // namespace sternwerk

// Replacing a file whole: a write that fails on a full or read-only file
// system, or beyond the allowed file size, leaves the old file as it was.
#include "base/file_replacement.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>
#include <string>

#include "tests/support/temporary_directory.h"

namespace sternwerk {
namespace {

constexpr char kOldContent[] = "old content\r\n";
// More than the small places below can take.
const std::string kLargeContent(1 << 20, 'x');

std::string Contents(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteOld(const std::filesystem::path& file) {
  std::ofstream(file, std::ios::binary) << kOldContent;
}

int EntriesIn(const std::filesystem::path& directory) {
  return static_cast<int>(std::distance(std::filesystem::directory_iterator(directory),
                                        std::filesystem::directory_iterator()));
}

// Runs `check` in a child process and gives its exit status; the checks of a
// child report by that status, since its test assertions are not seen.
int InChild(const std::function<int()>& check) {
  const pid_t child = fork();
  if (child == 0) _exit(check());
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Exit statuses of the child checks.
enum ChildResult { kPassed, kNoPlace, kWriteSucceeded, kWrongReason, kOldFileChanged, kStrayFile };

// Writes the large content over the old file where that must fail for
// `reason`, and tells what went wrong, if anything.
ChildResult ExpectFailedReplacement(const std::filesystem::path& file, const std::string& reason) {
  const Status written = ReplaceFileContent(file, kLargeContent);
  if (written.ok()) return kWriteSucceeded;
  if (written.error() != "Die Datei " + file.string() + " kann nicht geschrieben werden: " + reason)
    return kWrongReason;
  if (Contents(file) != kOldContent) return kOldFileChanged;
  if (EntriesIn(file.parent_path()) != 1) return kStrayFile;
  return kPassed;
}

bool WriteProcFile(const char* name, const std::string& text) {
  std::ofstream out(name);
  out << text;
  return static_cast<bool>(out.flush());
}

// Gives the calling process mounts of its own: as the superuser directly,
// else in a user namespace where it is the superuser too.
bool EnterOwnMounts() {
  if (geteuid() == 0) return unshare(CLONE_NEWNS) == 0;
  const uid_t uid = geteuid();
  const gid_t gid = getegid();
  if (unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) return false;
  std::ostringstream uidMap, gidMap;
  uidMap << uid << ' ' << uid << " 1";
  gidMap << gid << ' ' << gid << " 1";
  return WriteProcFile("/proc/self/setgroups", "deny") &&
         WriteProcFile("/proc/self/uid_map", uidMap.str()) &&
         WriteProcFile("/proc/self/gid_map", gidMap.str());
}

bool CanHaveOwnMounts() {
  return InChild([] { return EnterOwnMounts() ? kPassed : kNoPlace; }) == kPassed;
}

class FileReplacementTest : public ::testing::Test {
 protected:
  std::filesystem::path File() const { return directory.path() / "picture.svg"; }
  testing::TemporaryDirectory directory;
};

// A small file system of its own at the test's directory, holding the old
// file; `readOnly` makes it read-only afterwards.
bool OldFileOnOwnFileSystem(const std::filesystem::path& file, bool readOnly) {
  const std::filesystem::path place = file.parent_path();
  if (!EnterOwnMounts() || mount("tmpfs", place.c_str(), "tmpfs", 0, "size=64k,mode=0700") != 0)
    return false;
  WriteOld(file);
  return !readOnly || mount(nullptr, place.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
}

TEST_F(FileReplacementTest, AFullOrReadOnlyFileSystemKeepsTheOldFileWhole) {
  if (!CanHaveOwnMounts()) GTEST_SKIP() << "no mount namespace for a file system of its own";
  const std::filesystem::path file = File();
  EXPECT_EQ(InChild([&] {
              if (!OldFileOnOwnFileSystem(file, false)) return kNoPlace;
              return ExpectFailedReplacement(file, "Kein Speicherplatz mehr auf dem Gerät");
            }),
            kPassed);
  EXPECT_EQ(InChild([&] {
              if (!OldFileOnOwnFileSystem(file, true)) return kNoPlace;
              return ExpectFailedReplacement(file, "Dateisystem ist nur lesbar");
            }),
            kPassed);
}

// Beyond the process's file size limit a write fails (its signal ignored,
// as a shell's `ulimit -f` with the signal trapped leaves it).
TEST_F(FileReplacementTest, AWriteBeyondTheFileSizeLimitKeepsTheOldFile) {
  WriteOld(File());
  const std::filesystem::path file = File();
  EXPECT_EQ(InChild([&] {
              std::signal(SIGXFSZ, SIG_IGN);
              const rlimit limit{kLargeContent.size() / 2, kLargeContent.size() / 2};
              if (setrlimit(RLIMIT_FSIZE, &limit) != 0) return kNoPlace;
              return ExpectFailedReplacement(file, "Datei zu groß");
            }),
            kPassed);
  EXPECT_EQ(Contents(File()), kOldContent);
}

// A link of the file's name is replaced by the file; what it pointed to is
// left alone.
TEST_F(FileReplacementTest, ALinkIsReplacedNotWrittenThrough) {
  const std::filesystem::path target = directory.path() / "target";
  WriteOld(target);
  std::filesystem::create_symlink(target, File());
  ASSERT_TRUE(ReplaceFileContent(File(), "new").ok());
  EXPECT_FALSE(std::filesystem::is_symlink(File()));
  EXPECT_EQ(Contents(File()), "new");
  EXPECT_EQ(Contents(target), kOldContent);
}

}  // namespace
}  // namespace sternwerk

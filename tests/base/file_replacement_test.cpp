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

TEST_F(FileReplacementTest, ReplacesTheWholeContentAndLeavesNoOtherFile) {
  WriteOld(File());
  ASSERT_TRUE(ReplaceFileContent(File(), "new").ok());
  EXPECT_EQ(Contents(File()), "new");
  ASSERT_TRUE(ReplaceFileContent(directory.path() / "fresh.wmf", kLargeContent).ok());
  EXPECT_EQ(Contents(directory.path() / "fresh.wmf"), kLargeContent);
  EXPECT_EQ(EntriesIn(directory.path()), 2);
}

TEST_F(FileReplacementTest, AFullFileSystemKeepsTheOldFileWhole) {
  if (!CanHaveOwnMounts()) GTEST_SKIP() << "no mount namespace for a small file system here";
  const std::filesystem::path place = directory.path();
  const std::filesystem::path file = File();
  EXPECT_EQ(InChild([&] {
              if (!EnterOwnMounts() ||
                  mount("tmpfs", place.c_str(), "tmpfs", 0, "size=64k,mode=0700") != 0)
                return kNoPlace;
              WriteOld(file);
              return ExpectFailedReplacement(file, "Kein Speicherplatz mehr auf dem Gerät");
            }),
            kPassed);
}

TEST_F(FileReplacementTest, AReadOnlyFileSystemKeepsTheOldFile) {
  if (!CanHaveOwnMounts()) GTEST_SKIP() << "no mount namespace for a read-only file system here";
  const std::filesystem::path place = directory.path();
  const std::filesystem::path file = File();
  EXPECT_EQ(InChild([&] {
              if (!EnterOwnMounts() ||
                  mount("tmpfs", place.c_str(), "tmpfs", 0, "size=64k,mode=0700") != 0)
                return kNoPlace;
              WriteOld(file);
              if (mount(nullptr, place.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) != 0)
                return kNoPlace;
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

TEST_F(FileReplacementTest, AMissingDirectoryOrADirectoryInTheWayIsNamed) {
  const Status missing = ReplaceFileContent(directory.path() / "missing" / "img.wmf", "x");
  EXPECT_EQ(missing.error(), "Die Datei " + (directory.path() / "missing" / "img.wmf").string() +
                                 " kann nicht geschrieben werden: "
                                 "Datei oder Verzeichnis nicht gefunden");
  std::filesystem::create_directory(File());
  const Status inTheWay = ReplaceFileContent(File(), "x");
  EXPECT_NE(inTheWay.error().find(": Ist ein Verzeichnis"), std::string::npos) << inTheWay.error();
  EXPECT_TRUE(std::filesystem::is_directory(File()));
  EXPECT_EQ(EntriesIn(directory.path()), 1);
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

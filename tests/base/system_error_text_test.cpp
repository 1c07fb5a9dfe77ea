// The German reasons for failed file operations.
#include "base/system_error_text.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <set>
#include <string>

namespace sternwerk {
namespace {

// Each reason a user meets when saving or reading a file has a German text
// of its own, never the C library's English one.
TEST(SystemErrorText, FileErrorsAreGermanAndTellApart) {
  const int errors[] = {ENOENT,  EACCES, EPERM, ENOSPC, EDQUOT,       EROFS, EISDIR,
                        ENOTDIR, EEXIST, EFBIG, EIO,    ENAMETOOLONG, ELOOP, EMFILE};
  std::set<std::string> texts;
  for (const int error : errors) {
    const std::string text = SystemErrorText(error);
    EXPECT_NE(text, std::strerror(error)) << error;
    EXPECT_EQ(text.find("Systemfehler"), std::string::npos) << error;
    texts.insert(text);
  }
  EXPECT_EQ(texts.size(), std::size(errors));
  EXPECT_EQ(SystemErrorText(ENOSPC), "Kein Speicherplatz mehr auf dem Gerät");
  EXPECT_EQ(SystemErrorText(EROFS), "Dateisystem ist nur lesbar");
  EXPECT_EQ(SystemErrorText(9999), "Systemfehler 9999");
}

}  // namespace
}  // namespace sternwerk

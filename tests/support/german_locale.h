// The process's locale set as on a German desktop (de_DE.UTF-8), for as
// long as the object lives. Where the system has no such locale it is built
// with localedef into a temporary folder (LOCPATH), from the definitions of
// Debian's "locales" package.
#pragma once

#include <clocale>
#include <cstdlib>
#include <optional>
#include <string>

#include "tests/support/temporary_directory.h"

namespace sternwerk::testing {

class GermanLocale {
 public:
  GermanLocale() : before_(std::setlocale(LC_ALL, nullptr)) {
    if (std::setlocale(LC_ALL, kName) != nullptr) return;
    built_.emplace();
    const std::string build =
        "localedef -i de_DE -f UTF-8 '" + (built_->path() / kName).string() + "' >/dev/null 2>&1";
    if (std::system(build.c_str()) != 0) return;
    setenv("LOCPATH", built_->path().c_str(), 1);
    std::setlocale(LC_ALL, kName);
  }
  ~GermanLocale() {
    std::setlocale(LC_ALL, before_.c_str());
    if (built_) unsetenv("LOCPATH");
  }
  GermanLocale(const GermanLocale&) = delete;
  GermanLocale& operator=(const GermanLocale&) = delete;

  // Whether the process runs in the German locale.
  bool active() const { return std::string(std::setlocale(LC_ALL, nullptr)) == kName; }

 private:
  static constexpr const char* kName = "de_DE.UTF-8";
  std::string before_;
  std::optional<TemporaryDirectory> built_;
};

}  // namespace sternwerk::testing

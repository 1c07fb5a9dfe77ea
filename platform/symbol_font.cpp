#include "platform/symbol_font.h"

#include <fcntl.h>
#include <unistd.h>

#include <QFile>
#include <QFontDatabase>
#include <cerrno>

#include "base/failure_text.h"
#include "base/system_error_text.h"

namespace sternwerk {
namespace {

constexpr const char* kNotLoadedAsFont = QT_TRANSLATE_NOOP(
    "sternwerk::FailureText", "Die Datei %1 kann nicht als Schrift geladen werden: %2");

// Why a font file was not added: the system's reason when it cannot be
// opened, else that it holds no font.
std::string NotAddedReason(const QString& path) {
  const int fd = open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return SystemErrorText(errno);
  close(fd);
  return Translated("sternwerk::SymbolFont",
                    QT_TRANSLATE_NOOP("sternwerk::SymbolFont", "keine lesbare Schriftdatei"));
}

}  // namespace

ApplicationFont::ApplicationFont(const QString& path)
    : id_(QFontDatabase::addApplicationFont(path)) {
  if (id_ < 0) {
    status_ =
        Status::Failure(FailureText(path.toStdString(), kNotLoadedAsFont, NotAddedReason(path)));
  }
}

ApplicationFont::~ApplicationFont() {
  if (status_.ok()) QFontDatabase::removeApplicationFont(id_);
}

int CountFamiliesContaining(const QStringList& families, const QString& face) {
  int count = 0;
  for (const QString& family : families) count += family.contains(face, Qt::CaseSensitive);
  return count;
}

bool SymbolFontInstalled() {
  return CountFamiliesContaining(QFontDatabase::families(), kSymbolFontFamily) > 0;
}

}  // namespace sternwerk

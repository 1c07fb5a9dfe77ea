#include "platform/program_files.h"

#include <QCoreApplication>
#include <QDir>

namespace sternwerk {

namespace {
QString InProgramDirectory(const QString& file) {
  return QDir(QCoreApplication::applicationDirPath()).filePath(file);
}
}  // namespace

QString SymbolFontPath() {
  return InProgramDirectory(kSymbolFontFile);
}

QString StartPicturePath() {
  return InProgramDirectory(kStartPictureFile);
}

}  // namespace sternwerk

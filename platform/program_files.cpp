#include "platform/program_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "build_info.h"

namespace sternwerk {

namespace {
// The file beside the program when it is there, else in `installFolder`
// (relative to the program's folder). When neither exists, the path beside
// the program, so that a message about the missing file names the place it
// was looked for first.
QString FindProgramFile(const QString& file, const char* installFolder) {
  const QDir program(QCoreApplication::applicationDirPath());
  const QString beside = program.filePath(file);
  if (QFileInfo::exists(beside)) return beside;
  const QString installed =
      QDir::cleanPath(program.filePath(QString::fromUtf8(installFolder) + "/" + file));
  return QFileInfo::exists(installed) ? installed : beside;
}
}  // namespace

QString SymbolFontPath() {
  return FindProgramFile(kSymbolFontFile, build_info::kFontFromProgram);
}

QString StartPicturePath() {
  return FindProgramFile(kStartPictureFile, build_info::kDataFromProgram);
}

}  // namespace sternwerk

#include "platform/program_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "base/translation.h"
#include "build_info.h"

namespace sternwerk {

namespace {
constexpr const char* kRunningProgram = "/proc/self/exe";

// The program's folder, also before its application exists (sternwerk-sky
// reads its translation first), found as Qt finds it on Linux.
QString ProgramFolder() {
  if (QCoreApplication::instance() != nullptr) return QCoreApplication::applicationDirPath();
  return QFileInfo(QFileInfo(kRunningProgram).canonicalFilePath()).absolutePath();
}
}  // namespace

QString FindProgramFile(const QString& file, const std::string& installFolder) {
  const QDir program(ProgramFolder());
  const QString beside = program.filePath(file);
  if (QFileInfo::exists(beside)) return beside;
  const QString installed =
      QDir::cleanPath(program.filePath(QString::fromStdString(installFolder) + "/" + file));
  return QFileInfo::exists(installed) ? installed : beside;
}

QString SymbolFontPath() {
  return FindProgramFile(kSymbolFontFile, build_info::kFontFromProgram);
}

QString StartPicturePath() {
  return FindProgramFile(
      QString::fromStdString(Translated("sternwerk::ProgramFiles", kStartPictureFile)),
      build_info::kDataFromProgram);
}

}  // namespace sternwerk

#include "app/documents_folder.h"

#include <QDir>
#include <QStandardPaths>
#include <filesystem>
#include <system_error>

#include "base/failure_text.h"
#include "base/system_error_text.h"

namespace sternwerk {

namespace {

constexpr const char* kContext = "sternwerk::DocumentsFolder";
constexpr const char* kNotEntered = QT_TRANSLATE_NOOP(
    "sternwerk::FailureText", "Der Arbeitsordner %1 kann nicht angelegt oder geöffnet werden: %2");
// %1 is the folder the program works in instead.
constexpr const char* kWorkingHere = QT_TRANSLATE_NOOP(
    "sternwerk::DocumentsFolder", ".\nSternwerk arbeitet im aktuellen Verzeichnis %1.");
constexpr const char* kDocumentsName =
    QT_TRANSLATE_NOOP("sternwerk::DocumentsFolder", "Dokumente/Sternwerk");
constexpr const char* kNoDocuments =
    QT_TRANSLATE_NOOP("sternwerk::DocumentsFolder", "kein Dokumente-Ordner bekannt");

Status CannotEnter(const std::string& folder, const std::string& reason) {
  return Status::Failure(
      FailureText(folder, kNotEntered, reason) +
      WithArguments(Translated(kContext, kWorkingHere), {QDir::currentPath().toStdString()}));
}

}  // namespace

Status EnterWorkingFolder(const QString& folder) {
  if (folder.isEmpty())
    return CannotEnter(Translated(kContext, kDocumentsName), Translated(kContext, kNoDocuments));
  const std::filesystem::path path = folder.toStdString();
  std::error_code error;
  std::filesystem::create_directories(path, error);
  if (!error) std::filesystem::current_path(path, error);
  if (error) return CannotEnter(folder.toStdString(), SystemErrorText(error.value()));
  return Status::Success();
}

QString DocumentsWorkingFolder() {
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return documents.isEmpty() ? QString() : QDir(documents).filePath(kWorkingFolderName);
}

}  // namespace sternwerk

#include "app/documents_folder.h"

#include <QDir>
#include <QStandardPaths>
#include <filesystem>
#include <system_error>

#include "base/failure_text.h"
#include "base/system_error_text.h"

namespace sternwerk {

namespace {
Status CannotEnter(const QString& folder, const std::string& reason) {
  return Status::Failure(
      FailureText("Der Arbeitsordner " + folder.toStdString(), "angelegt oder geöffnet", reason) +
      ".\nSternwerk arbeitet im aktuellen Verzeichnis " + QDir::currentPath().toStdString() + ".");
}
}  // namespace

Status EnterWorkingFolder(const QString& folder) {
  if (folder.isEmpty()) return CannotEnter("Dokumente/Sternwerk", "kein Dokumente-Ordner bekannt");
  const std::filesystem::path path = folder.toStdString();
  std::error_code error;
  std::filesystem::create_directories(path, error);
  if (!error) std::filesystem::current_path(path, error);
  if (error) return CannotEnter(folder, SystemErrorText(error.value()));
  return Status::Success();
}

QString DocumentsWorkingFolder() {
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return documents.isEmpty() ? QString() : QDir(documents).filePath(kWorkingFolderName);
}

}  // namespace sternwerk

// The program's symbol font: its file added for the run, and the check
// whether its face is installed.
#pragma once

#include <QString>
#include <QStringList>

#include "base/outcome.h"
#include "platform/faces.h"

namespace sternwerk {

inline const QString kSymbolFontFamily = QString::fromLatin1(kSymbolFace);

// Adds a font file to the application's fonts for the lifetime of the
// object. A missing or unreadable file adds nothing; status() tells why.
class ApplicationFont {
 public:
  explicit ApplicationFont(const QString& path);
  ~ApplicationFont();
  ApplicationFont(const ApplicationFont&) = delete;
  ApplicationFont& operator=(const ApplicationFont&) = delete;

  // Success when the file's fonts were added; otherwise "Die Datei <path>
  // kann nicht als Schrift geladen werden: " and the reason.
  const Status& status() const { return status_; }

 private:
  int id_;
  Status status_ = Status::Success();
};

// The number of family names that contain `face` (case-sensitive).
int CountFamiliesContaining(const QStringList& families, const QString& face);

// True when the symbol face is among the installed font families.
bool SymbolFontInstalled();

}  // namespace sternwerk

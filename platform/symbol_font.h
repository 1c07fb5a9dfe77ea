// The program's symbol font: its file added for the run, and the check
// whether its face is installed.
#pragma once

#include <QString>
#include <QStringList>

#include "platform/symbol_face.h"

namespace sternwerk {

inline const QString kSymbolFontFamily = QString::fromLatin1(kSymbolFace);

// Adds a font file to the application's fonts for the lifetime of the
// object. A missing or unreadable file adds nothing, without notice.
class ApplicationFont {
 public:
  explicit ApplicationFont(const QString& path);
  ~ApplicationFont();
  ApplicationFont(const ApplicationFont&) = delete;
  ApplicationFont& operator=(const ApplicationFont&) = delete;

  bool added() const { return id_ >= 0; }

 private:
  int id_;
};

// The number of family names that contain `face` (case-sensitive).
int CountFamiliesContaining(const QStringList& families, const QString& face);

// True when the symbol face is among the installed font families.
bool SymbolFontInstalled();

}  // namespace sternwerk

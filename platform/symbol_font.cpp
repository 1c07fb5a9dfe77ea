#include "platform/symbol_font.h"

#include <QFontDatabase>

namespace sternwerk {

ApplicationFont::ApplicationFont(const QString& path)
    : id_(QFontDatabase::addApplicationFont(path)) {}

ApplicationFont::~ApplicationFont() {
  if (added()) QFontDatabase::removeApplicationFont(id_);
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

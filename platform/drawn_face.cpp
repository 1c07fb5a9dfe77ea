#include "platform/drawn_face.h"

#include <QFontDatabase>
#include <QStringList>

namespace sternwerk {

QString DrawnFace(const QString& face) {
  static const QStringList kArialWidthFaces = {QStringLiteral("ms sans serif"),
                                               QStringLiteral("ariel")};
  if (kArialWidthFaces.contains(face.toLower()) && !QFontDatabase::hasFamily(face)) {
    return QStringLiteral("Arial");
  }
  return face;
}

}  // namespace sternwerk

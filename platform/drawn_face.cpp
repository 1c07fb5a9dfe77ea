#include "platform/drawn_face.h"

#include <QFontDatabase>

#include "platform/faces.h"

namespace sternwerk {

QString DrawnFace(const QString& face) {
  if (StandsForArial(face.toStdString()) && !QFontDatabase::hasFamily(face)) {
    return QString::fromLatin1(kArialFace);
  }
  return face;
}

}  // namespace sternwerk

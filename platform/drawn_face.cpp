#include "platform/drawn_face.h"

#include <QFontDatabase>

#include "platform/arial_faces.h"

namespace sternwerk {

QString DrawnFace(const QString& face) {
  if (StandsForArial(face.toStdString()) && !QFontDatabase::hasFamily(face)) {
    return QString::fromUtf8(kArialFace.data(), static_cast<qsizetype>(kArialFace.size()));
  }
  return face;
}

}  // namespace sternwerk

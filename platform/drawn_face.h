// The font face Qt is asked for when a window or picture names a face.
#pragma once

#include <QString>

namespace sternwerk {

// The face itself when it is installed; a face that stands for Arial
// (StandsForArial) otherwise Arial, as the system's default substitute is
// much wider and would cut texts short.
QString DrawnFace(const QString& face);

}  // namespace sternwerk

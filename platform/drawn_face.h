// The font face Qt is asked for when a window or picture names a face.
#pragma once

#include <QString>

namespace sternwerk {

// The face itself when it is installed. The Windows sans-serif faces the
// program names ("MS Sans Serif", and "Ariel" as the chart's header writes
// it) are otherwise drawn in Arial, whose widths they share closely; the
// system's default substitute is much wider and would cut texts short.
QString DrawnFace(const QString& face);

}  // namespace sternwerk

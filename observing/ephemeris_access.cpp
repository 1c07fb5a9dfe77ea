#include "observing/ephemeris_access.h"

#include "base/translation.h"

namespace sternwerk {
std::string LibraryErrorText(const char* error) {
  if (error != nullptr && error[0] != '\0') return error;
  return Translated("sternwerk::Observing",
                    QT_TRANSLATE_NOOP("sternwerk::Observing", "Fehler ohne Angabe eines Grundes"));
}

std::array<double, 3> LibraryPlace(const ObserverPlace& place) {
  return {place.longitude, place.latitude, place.heightMetres};
}

}  // namespace sternwerk

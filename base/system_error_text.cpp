#include "base/system_error_text.h"

#include <cerrno>

namespace sternwerk {

std::string SystemErrorText(int error) {
  switch (error) {
    case ENOENT:
      return "Datei oder Verzeichnis nicht gefunden";
    case EACCES:
      return "Keine Berechtigung";
    case EPERM:
      return "Vorgang nicht erlaubt";
    case ENOSPC:
      return "Kein Speicherplatz mehr auf dem Gerät";
    case EDQUOT:
      return "Speicherplatz-Kontingent überschritten";
    case EROFS:
      return "Dateisystem ist nur lesbar";
    case EISDIR:
      return "Ist ein Verzeichnis";
    case ENOTDIR:
      return "Ist kein Verzeichnis";
    case EEXIST:
      return "Datei existiert bereits";
    case EFBIG:
      return "Datei zu groß";
    case ENAMETOOLONG:
      return "Dateiname zu lang";
    case ELOOP:
      return "Zu viele Ebenen symbolischer Verknüpfungen";
    case EMFILE:
    case ENFILE:
      return "Zu viele offene Dateien";
    case EIO:
      return "Ein-/Ausgabefehler";
    case EBUSY:
    case ETXTBSY:
      return "Datei oder Gerät ist belegt";
    case ENXIO:
    case ENODEV:
      return "Gerät nicht gefunden";
    case ENOMEM:
      return "Nicht genügend Hauptspeicher";
    case EINVAL:
      return "Ungültiges Argument";
    case EINTR:
      return "Unterbrochener Systemaufruf";
    case EAGAIN:
      return "Ressource vorübergehend nicht verfügbar";
    default:
      return "Systemfehler " + std::to_string(error);
  }
}

}  // namespace sternwerk

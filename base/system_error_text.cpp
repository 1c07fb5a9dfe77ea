#include "base/system_error_text.h"

#include <cerrno>

#include "base/translation.h"

namespace sternwerk {
namespace {

// The reason in the language of the run.
constexpr ContextTexts Said("sternwerk::SystemErrorText");

}  // namespace

std::string SystemErrorText(int error) {
  switch (error) {
    case ENOENT:
      return Said(
          QT_TRANSLATE_NOOP("sternwerk::SystemErrorText", "Datei oder Verzeichnis nicht gefunden"));
    case EACCES:
      return Said(QT_TRANSLATE_NOOP("sternwerk::SystemErrorText", "Keine Berechtigung"));
    case EPERM:
      return Said(QT_TRANSLATE_NOOP("sternwerk::SystemErrorText", "Vorgang nicht erlaubt"));
    case ENOSPC:
      return Said(
          QT_TRANSLATE_NOOP("sternwerk::SystemErrorText", "Kein Speicherplatz mehr auf dem Gerät"));
    case EDQUOT:
      return Said(QT_TRANSLATE_NOOP("sternwerk::SystemErrorText",
                                    "Speicherplatz-Kontingent überschritten"));
    case EROFS:
      return Said(QT_TRANSLATE_NOOP("sternwerk::SystemErrorText", "Dateisystem ist nur lesbar"));
    case EISDIR:
      return Said(QT_TRANSLATE_NOOP("sternwerk::SystemErrorText", "Ist ein Verzeichnis"));
    case ENOTDIR:
      return Said(QT_TRANSLATE_NOOP("sternwerk::SystemErrorText", "Ist kein Verzeichnis"));
    case EEXIST:
      return Said(QT_TRANSLATE_NOOP("sternwerk::SystemErrorText", "Datei existiert bereits"));
    case EFBIG:
      return Said(QT_TRANSLATE_NOOP("sternwerk::SystemErrorText", "Datei zu groß"));
    case ENAMETOOLONG:
      return Said(QT_TRANSLATE_NOOP("sternwerk::SystemErrorText", "Dateiname zu lang"));
    case ELOOP:
      return Said(QT_TRANSLATE_NOOP("sternwerk::SystemErrorText",
                                    "Zu viele Ebenen symbolischer Verknüpfungen"));
    case EMFILE:
    case ENFILE:
      return Said(QT_TRANSLATE_NOOP("sternwerk::SystemErrorText", "Zu viele offene Dateien"));
    case EIO:
      return Said(QT_TRANSLATE_NOOP("sternwerk::SystemErrorText", "Ein-/Ausgabefehler"));
    case EBUSY:
    case ETXTBSY:
      return Said(QT_TRANSLATE_NOOP("sternwerk::SystemErrorText", "Datei oder Gerät ist belegt"));
    case ENXIO:
    case ENODEV:
      return Said(QT_TRANSLATE_NOOP("sternwerk::SystemErrorText", "Gerät nicht gefunden"));
    case ENOMEM:
      return Said(QT_TRANSLATE_NOOP("sternwerk::SystemErrorText", "Nicht genügend Hauptspeicher"));
    case EINVAL:
      return Said(QT_TRANSLATE_NOOP("sternwerk::SystemErrorText", "Ungültiges Argument"));
    case EINTR:
      return Said(QT_TRANSLATE_NOOP("sternwerk::SystemErrorText", "Unterbrochener Systemaufruf"));
    case EAGAIN:
      return Said(QT_TRANSLATE_NOOP("sternwerk::SystemErrorText",
                                    "Ressource vorübergehend nicht verfügbar"));
    default:
      return WithArguments(Said(QT_TRANSLATE_NOOP("sternwerk::SystemErrorText", "Systemfehler %1")),
                           {std::to_string(error)});
  }
}

}  // namespace sternwerk

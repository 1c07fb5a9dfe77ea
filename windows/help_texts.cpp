#include "windows/help_texts.h"

#include <QCoreApplication>

namespace sternwerk {

QStringList HelpLines(const char* text) {
  return QCoreApplication::translate("sternwerk::HelpTexts", text).split(QLatin1Char('\n'));
}

}  // namespace sternwerk

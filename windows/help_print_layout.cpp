#include "windows/help_print_layout.h"

namespace sternwerk {

QStringList HelpPrintLines(const std::vector<HelpPrintSection>& sections, int emptyLinesAfter) {
  QStringList printed;
  for (const HelpPrintSection& section : sections) {
    for (int i = 0; i < section.emptyLinesBefore; ++i) printed.append(QString());
    const QString indent(section.indent, QLatin1Char(' '));
    for (const QString& line : section.lines) printed.append(indent + line);
  }
  for (int i = 0; i < emptyLinesAfter; ++i) printed.append(QString());
  return printed;
}

}  // namespace sternwerk

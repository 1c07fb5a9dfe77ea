// The printed form of a help window: its text boxes' lines, each box indented by
// its own number of blanks, with empty lines around them.
#pragma once

#include <QStringList>
#include <vector>

namespace sternwerk {

struct HelpPrintSection {
  int emptyLinesBefore = 0;
  int indent = 0;  // blanks before every line
  QStringList lines;
};

// The sections' lines in order, followed by `emptyLinesAfter` empty lines.
QStringList HelpPrintLines(const std::vector<HelpPrintSection>& sections, int emptyLinesAfter);

}  // namespace sternwerk

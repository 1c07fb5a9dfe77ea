// The help windows' texts, one entry per memo line, stored as they are
// printed (the memos wrap them on screen).
#pragma once

#include <QStringList>

namespace sternwerk {

// The introduction TForm11.
extern const QStringList kIntroductionSummary;   // Memo1
extern const QStringList kIntroductionSettings;  // Memo2
extern const QStringList kIntroductionHalted;    // Memo4
extern const QStringList kIntroductionText;      // Memo3

// The enlarged chart's help TForm13.
extern const QStringList kChartHelpText;      // Memo1
extern const QStringList kChartHelpMaterial;  // Memo2

}  // namespace sternwerk

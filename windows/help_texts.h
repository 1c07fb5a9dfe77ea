// The help windows' texts, one entry per memo line, stored as they are
// printed (the memos wrap them on screen).
#pragma once

#include <QStringList>

namespace sternwerk {

// The introduction (IntroductionWindow).
extern const QStringList kIntroductionSummary;   // summaryText
extern const QStringList kIntroductionSettings;  // settingsText
extern const QStringList kIntroductionHalted;    // haltedText
extern const QStringList kIntroductionText;      // introductionText

// The enlarged chart's help (ChartHelpWindow).
extern const QStringList kChartHelpText;      // helpText
extern const QStringList kChartHelpMaterial;  // materialText

}  // namespace sternwerk

// The help windows' texts, one entry per line of a text box, stored as they
// are printed (the boxes wrap them on screen).
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

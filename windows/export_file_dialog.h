// The standard file dialog of "Exportieren …": the file a picture window's
// drawing is written to, in one of the formats PNG, SVG, PDF and WMF.
#pragma once

#include <QString>
#include <QWidget>

namespace sternwerk {

// Asks for the file with QFileDialog::getSaveFileName, starting at
// `suggestedPath`, the PNG filter chosen; a name typed without an extension
// gets the chosen filter's. Empty when the user cancels.
QString ChooseExportFile(QWidget* parent, const QString& suggestedPath);

}  // namespace sternwerk

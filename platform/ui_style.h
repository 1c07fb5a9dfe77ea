// Colours and fonts of the program's windows.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QWidget>

#include "platform/colors.h"

namespace sternwerk {

// A colour of the palette as Qt takes it.
QColor ToQColor(Rgb colour);

// A font of the given character height in pixels.
QFont PixelFont(const QString& face, int pixels, bool bold = false);
// A font of the given size in points, at 96 pixels per inch.
QFont PointFont(const QString& face, int points, bool bold = false);

// Background, and text, colour of a widget.
void SetColours(QWidget* widget, Rgb background);
void SetColours(QWidget* widget, Rgb background, Rgb text);
void SetTextColour(QWidget* widget, Rgb text);

// Moves a window to the middle of its screen's available area.
void CentreOnScreen(QWidget& window);

}  // namespace sternwerk

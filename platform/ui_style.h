// Colours and fonts shared by the program's windows.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QWidget>

namespace sternwerk {

inline const QColor kCream(255, 251, 240);
inline const QColor kMoneyGreen(192, 220, 192);
inline const QColor kNavyColour(0, 0, 128);
inline const QColor kTeal(0, 128, 128);
inline const QColor kLime(0, 255, 0);
inline const QColor kYellow(255, 255, 0);
inline const QColor kMaroon(128, 0, 0);
inline const QColor kGreenColour(0, 128, 0);
inline const QColor kRedColour(255, 0, 0);
inline const QColor kBlackColour(0, 0, 0);

// A font of the given character height in pixels.
QFont PixelFont(const QString& face, int pixels, bool bold = false);
// A font of the given size in points, at 96 pixels per inch.
QFont PointFont(const QString& face, int points, bool bold = false);

// Background (and, when valid, text) colour of a widget.
void SetColours(QWidget* widget, const QColor& background, const QColor& text = QColor());
void SetTextColour(QWidget* widget, const QColor& text);

// Moves a window to the middle of its screen's available area.
void CentreOnScreen(QWidget& window);

}  // namespace sternwerk

#include "windows/printer_advice.h"

namespace sternwerk {

namespace {

constexpr int kHighResolutionAbove = 9000;
constexpr int kMiddleResolutionAbove = 2500;

// Every line of the advice starts below the box's title text.
constexpr const char* kIndent = "                            ";
constexpr const char* kReturn = "\r";

std::string Line(const std::string& text) {
  return kIndent + text;
}

}  // namespace

int ResolutionClass(int pageWidth) {
  if (pageWidth > kHighResolutionAbove) return 1200;
  if (pageWidth > kMiddleResolutionAbove) return 600;
  return 300;
}

// The steps follow this system's print dialog: the button ´Eigenschaften´
// beside the printer's name opens the printer's properties, whose tab
// ´Erweitert´ lists the resolutions the printer's driver offers; printing
// into a PDF file first shows the page before paper is used. Lines are short
// enough that a message box does not re-wrap them.
PrinterAdviceText PrinterAdvice(int pageWidth) {
  const std::string r = kReturn;
  std::string text =
      r + Line("Ihr Drucker ist eingestellt auf " + std::to_string(pageWidth) + " Pixel") + r +
      Line("Papierbreite = " + std::to_string(ResolutionClass(pageWidth)) + " Pixel pro Inch.");
  text += r + r +
          Line(
              "Bet\xE4tigen Sie nach der Taste  \xB4"
              "Drucken\xB4  im dann") +
          r +
          Line(
              "erscheinenden Dialog bitte die Taste \xB4"
              "Eigenschaften\xB4") +
          r + Line("neben dem Namen des Druckers.");
  text += r + r +
          Line(
              "Auf der Registerkarte  \xB4"
              "Erweitert\xB4  k\xF6nnen Sie je nach") +
          r + Line("Drucker unter  Resolution/Aufl\xF6sung  zwischen") + r +
          Line("300/600/1200 Pixel pro Inch f\xFCr den aktuellen Druck") + r + Line("w\xE4hlen.") +
          r + Line("Stellen sie hier bitte den gleichen Wert wie oben") + r +
          Line("angezeigt ein.");
  text += r + r +
          Line(
              "W\xE4hlen Sie dann zuerst den Drucker  \xB4"
              "In PDF-Datei") +
          r + Line("drucken\xB4, so haben Sie vor jedem Druck die M\xF6glichkeit,") + r +
          Line("das Aussehen zu kontrollieren.") + r + r;
  if (pageWidth > kMiddleResolutionAbove) {
    text += Line("(Notfalls stellen Sie die Druckereigenschaften des") + r +
            Line(" Systems auf 300 PpI (CUPS: http://localhost:631),") + r +
            Line(" dieses aber bevor Sie dieses Programm starten bzw.") + r +
            Line(" nach dessen Beendigung.)") + r;
  }
  return {"       Falls das Diagramm nicht seitenf\xFCllend oder zu gro\xDF gedruckt wird:", text};
}

}  // namespace sternwerk

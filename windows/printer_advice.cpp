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
  const std::string lineBreak = kReturn;  // the line break of a message box text
  std::string text =
      lineBreak + Line("Ihr Drucker ist eingestellt auf " + std::to_string(pageWidth) + " Pixel") +
      lineBreak +
      Line("Papierbreite = " + std::to_string(ResolutionClass(pageWidth)) + " Pixel pro Inch.");
  text += lineBreak + lineBreak +
          Line(
              "Bet\xE4tigen Sie nach der Taste  \xB4"
              "Drucken\xB4  im dann") +
          lineBreak +
          Line(
              "erscheinenden Dialog bitte die Taste \xB4"
              "Eigenschaften\xB4") +
          lineBreak + Line("neben dem Namen des Druckers.");
  text += lineBreak + lineBreak +
          Line(
              "Auf der Registerkarte  \xB4"
              "Erweitert\xB4  k\xF6nnen Sie je nach") +
          lineBreak + Line("Drucker unter  Resolution/Aufl\xF6sung  zwischen") + lineBreak +
          Line("300/600/1200 Pixel pro Inch f\xFCr den aktuellen Druck") + lineBreak +
          Line("w\xE4hlen.") + lineBreak +
          Line("Stellen sie hier bitte den gleichen Wert wie oben") + lineBreak +
          Line("angezeigt ein.");
  text += lineBreak + lineBreak +
          Line(
              "W\xE4hlen Sie dann zuerst den Drucker  \xB4"
              "In PDF-Datei") +
          lineBreak + Line("drucken\xB4, so haben Sie vor jedem Druck die M\xF6glichkeit,") +
          lineBreak + Line("das Aussehen zu kontrollieren.") + lineBreak + lineBreak;
  if (pageWidth > kMiddleResolutionAbove) {
    text += Line("(Notfalls stellen Sie die Druckereigenschaften des") + lineBreak +
            Line(" Systems auf 300 PpI (CUPS: http://localhost:631),") + lineBreak +
            Line(" dieses aber bevor Sie dieses Programm starten bzw.") + lineBreak +
            Line(" nach dessen Beendigung.)") + lineBreak;
  }
  return {"       Falls das Diagramm nicht seitenf\xFCllend oder zu gro\xDF gedruckt wird:", text};
}

}  // namespace sternwerk

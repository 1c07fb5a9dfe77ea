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

PrinterAdviceText PrinterAdvice(int pageWidth) {
  const std::string r = kReturn;
  std::string text = r + kIndent + "Ihr Drucker ist eingestellt auf " + std::to_string(pageWidth) +
                     " Pixel Papierbreite = " + std::to_string(ResolutionClass(pageWidth)) +
                     " Pixel pro Inch.";
  text += r + r +
          Line(
              "Bet\xE4tigen Sie nach der Taste  \xB4"
              "Drucken\xB4  im dann erscheinenden Dialog") +
          r +
          Line(
              "bitte die Taste \xB4"
              "Eigenschaften\xB4.");
  text += r + r +
          Line(
              "Auf der Registerkarte  \xB4"
              "Einrichtung\xB4  k\xF6nnen Sie je nach Windows- oder") +
          r + Line("Drucker-Version zwischen  Entwurf/Normal/Optimal bzw 300/600/1200") + r +
          Line("Pixel pro Inch f\xFCr den aktuellen Druck w\xE4hlen.") + r +
          Line("Stellen sie hier bitte den gleichen Wert wie oben angezeigt ein.");
  text += r + r +
          Line(
              "Aktivieren Sie dann noch auf der Registerkarte  \xB4"
              "Funktionen\xB4  das kleine") +
          r +
          Line(
              "Fenster \xB4"
              "Druckvorschau\xB4, so haben Sie vor jedem Druck die M\xF6glichkeit,") +
          r + Line("das Aussehen zu kontrollieren.") + r + r;
  if (pageWidth > kMiddleResolutionAbove) {
    text += Line("(Notfalls stellen Sie die System-Druckereigenschaften auf 300 PpI, dieses") + r +
            Line(" aber bevor Sie dieses Programm starten bzw. nach dessen Beendigung.)") + r;
  }
  return {"       Falls das Diagramm nicht seitenf\xFCllend oder zu gro\xDF gedruckt wird:", text};
}

}  // namespace sternwerk

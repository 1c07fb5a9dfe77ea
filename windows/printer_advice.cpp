#include "windows/printer_advice.h"

#include <algorithm>
#include <initializer_list>
#include <string_view>

#include "base/translation.h"

namespace sternwerk {

namespace {

constexpr int kHighResolutionAbove = 9000;
constexpr int kMiddleResolutionAbove = 2500;

// Every line of the advice starts below the box's title text.
constexpr std::string_view kIndent = "                            ";
constexpr char kLineBreak = '\r';  // the line break of a message box text

constexpr const char* kContext = "sternwerk::PrinterAdvice";

constexpr const char* kTitle =
    QT_TRANSLATE_NOOP("sternwerk::PrinterAdvice",
                      "       Falls das Diagramm nicht seitenfüllend oder zu groß gedruckt wird:");

// The steps follow this system's print dialog: the button ´Eigenschaften´
// beside the printer's name opens the printer's properties, whose tab
// ´Erweitert´ lists the resolutions the printer's driver offers; printing
// into a PDF file first shows the page before paper is used. Lines are short
// enough that a message box does not re-wrap them. %1 is the page width,
// %2 the resolution that suits it.
constexpr const char* kSteps =
    QT_TRANSLATE_NOOP("sternwerk::PrinterAdvice",
                      "Ihr Drucker ist eingestellt auf %1 Pixel\n"
                      "Papierbreite = %2 Pixel pro Inch.\n"
                      "\n"
                      "Betätigen Sie nach der Taste  ´Drucken´  im dann\n"
                      "erscheinenden Dialog bitte die Taste ´Eigenschaften´\n"
                      "neben dem Namen des Druckers.\n"
                      "\n"
                      "Auf der Registerkarte  ´Erweitert´  können Sie je nach\n"
                      "Drucker unter  Resolution/Auflösung  zwischen\n"
                      "300/600/1200 Pixel pro Inch für den aktuellen Druck\n"
                      "wählen.\n"
                      "Stellen sie hier bitte den gleichen Wert wie oben\n"
                      "angezeigt ein.\n"
                      "\n"
                      "Wählen Sie dann zuerst den Drucker  ´In PDF-Datei\n"
                      "drucken´, so haben Sie vor jedem Druck die Möglichkeit,\n"
                      "das Aussehen zu kontrollieren.");

// For a printer set above the lowest resolution.
constexpr const char* kSystemNote =
    QT_TRANSLATE_NOOP("sternwerk::PrinterAdvice",
                      "(Notfalls stellen Sie die Druckereigenschaften des\n"
                      " Systems auf 300 PpI (CUPS: http://localhost:631),\n"
                      " dieses aber bevor Sie dieses Programm starten bzw.\n"
                      " nach dessen Beendigung.)");

// The text with "%n" replaced by the n-th argument.
std::string WithNumbers(std::string text, std::initializer_list<int> numbers) {
  int index = 1;
  for (const int number : numbers) {
    const std::string mark = "%" + std::to_string(index++);
    text.replace(text.find(mark), mark.size(), std::to_string(number));
  }
  return text;
}

// The lines of a text indented, empty lines left empty, each but the last
// ending in a message box's line break.
std::string IndentedLines(std::string_view text) {
  std::string lines;
  for (std::size_t start = 0; start <= text.size();) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    const std::string_view line = text.substr(start, end - start);
    if (start > 0) lines += kLineBreak;
    if (!line.empty()) lines.append(kIndent).append(line);
    start = end + 1;
  }
  return lines;
}

}  // namespace

int ResolutionClass(int pageWidth) {
  if (pageWidth > kHighResolutionAbove) return 1200;
  if (pageWidth > kMiddleResolutionAbove) return 600;
  return 300;
}

PrinterAdviceText PrinterAdvice(int pageWidth) {
  std::string text = kLineBreak +
                     IndentedLines(WithNumbers(Translated(kContext, kSteps),
                                               {pageWidth, ResolutionClass(pageWidth)})) +
                     kLineBreak + kLineBreak;
  if (pageWidth > kMiddleResolutionAbove)
    text += IndentedLines(Translated(kContext, kSystemNote)) + kLineBreak;
  return {Translated(kContext, kTitle), text};
}

}  // namespace sternwerk

// The advice on the printer settings that makes the printed chart fill the
// page: the resolution the page width suggests and where to set it.
#pragma once

#include <string>

namespace sternwerk {

// Pixels per inch suggested by a page width in printer pixels: 1200 above
// 9000, 600 above 2500, otherwise 300.
int ResolutionClass(int pageWidth);

// Title and text of the advice box in the program's language (UTF-8; lines
// end in a carriage return alone).
struct PrinterAdviceText {
  std::string title;
  std::string text;
};
PrinterAdviceText PrinterAdvice(int pageWidth);

}  // namespace sternwerk

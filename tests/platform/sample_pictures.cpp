#include "sample_pictures.h"

#include <cmath>

#include "platform/canvas.h"
#include "platform/colors.h"

namespace sternwerk {

Image SampleIcon() {
  Image icon{32, 32, std::vector<std::uint32_t>(32 * 32)};
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      const double r = std::hypot(x - 15.5, y - 15.5);
      icon.pixels[y * 32 + x] = r > 15 ? 0x00000000 : r < 4 ? 0xFFFFFFFF : 0xFF00FFFF;
    }
  }
  return icon;
}

Picture SampleDial() {
  Picture picture(520, 520);
  Canvas canvas(picture);
  canvas.Rectangle(0, 0, 529, 554);
  canvas.Ellipse(50, 50, 470, 470);
  canvas.font = {"arial", 10, true, kNavy, 0};
  canvas.MoveTo(255, 15);
  canvas.LineTo(200, 15);
  canvas.MoveTo(265, 15);
  canvas.LineTo(320, 15);
  canvas.TextOut(179, 7, "O <");
  canvas.TextOut(256, 7, "S");
  canvas.TextOut(321, 7, "> W");
  canvas.font.bold = false;
  for (int k = 0; k < 12; ++k) {
    const double phi = (30 * k - 17.25) * M_PI / 180;
    canvas.MoveTo(260 + int(76 * std::cos(phi)), 260 - int(77 * std::sin(phi)));
    canvas.LineTo(260 + int(212 * std::cos(phi)), 260 - int(213 * std::sin(phi)));
  }
  canvas.Ellipse(155, 155, 365, 365);
  canvas.Draw(245, 244, SampleIcon());
  canvas.font.face = "Ariel";
  canvas.font.size = 7;
  canvas.font.color = kBlack;
  canvas.TextOut(249, 129, "WID");
  canvas.TextOut(380, 259, "FIS");
  canvas.font.size = 9;
  canvas.font.bold = true;
  for (int i = 0; i < 8; ++i) {
    const int a = 40 * i + 5;
    canvas.pen.color = i == 0 ? kGreen : kNavy;
    canvas.font.color = canvas.pen.color;
    canvas.MoveTo(260 + int(220 * std::cos(a * M_PI / 180)),
                  260 - int(220 * std::sin(a * M_PI / 180)));
    canvas.LineTo(260 + int(200 * std::cos(a * M_PI / 180)),
                  260 - int(200 * std::sin(a * M_PI / 180)));
    canvas.font = FontWithEscapement(canvas.font, a * 10 + 2700);
    canvas.TextOut(260 + int(235 * std::cos(a * M_PI / 180)),
                   260 - int(235 * std::sin(a * M_PI / 180)), "M\xC4");
  }
  canvas.font = FontWithEscapement(canvas.font, 0);
  canvas.brush.solid = false;
  canvas.pen.width = 3;
  canvas.MoveTo(33, 10);
  canvas.LineTo(33, 213);
  canvas.font.face = "Arial";
  canvas.font.color = kGreen;
  canvas.TextOut(232, 170, "Meridian");
  canvas.Rectangle(400, 400, 420, 430);
  return picture;
}

}  // namespace sternwerk

// Writes the menu entry's icon into the folder given as the argument: the
// scalable ID.svg and ID-N.png for each size of the hicolor theme, each
// drawn for its size and smoothed down from four times larger.
#include <QBuffer>
#include <QImage>
#include <cstdio>
#include <string>

#include "base/failure_text.h"
#include "packaging/program_icon.h"
#include "platform/offscreen_gui.h"
#include "platform/picture_file.h"
#include "platform/picture_painter.h"

namespace sternwerk {
namespace {

constexpr int kPngSizes[] = {16, 32, 48, 64, 128, 256};
constexpr int kSvgSize = 256;
constexpr int kOversampling = 4;

Picture IconPicture(int size, int scale) {
  Picture picture(size * scale, size * scale);
  Canvas canvas(picture);
  DrawProgramIcon(size, scale, canvas);
  return picture;
}

Status WritePng(int size, const std::string& path) {
  const QImage large = RenderPicture(IconPicture(size, kOversampling));
  const QImage icon = large.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  if (!icon.save(&buffer, "PNG")) {
    return Status::Failure(FailureText(path, kWritten, "PNG-Kodierung fehlgeschlagen"));
  }
  return ReplaceFileWith(path, buffer.data());
}

Status WriteIcons(const std::string& folder, const std::string& name) {
  Status written = WritePictureFile(IconPicture(kSvgSize, 1), {kSvgSize, kSvgSize},
                                    folder + "/" + name + ".svg");
  for (const int size : kPngSizes) {
    if (!written.ok()) break;
    written = WritePng(size, folder + "/" + name + "-" + std::to_string(size) + ".png");
  }
  return written;
}

}  // namespace
}  // namespace sternwerk

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "Aufruf: make_icons ORDNER NAME\n");
    return 2;
  }
  const auto application = sternwerk::StartOffscreenGui(argv[0]);
  const sternwerk::Status written = sternwerk::WriteIcons(argv[1], argv[2]);
  if (!written.ok()) {
    std::fprintf(stderr, "make_icons: %s\n", written.error().c_str());
    return 1;
  }
  return 0;
}

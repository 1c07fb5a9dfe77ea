// Any bytes as a JPEG picture: libjpeg's errors come back as messages
// instead of ending the program, and a decoded picture is a whole RGB image
// of the size the file declares.
#include <QImage>
#include <cstdint>
#include <span>

#include "fuzz/fuzz_support.h"
#include "platform/jpeg_decoder.h"

using namespace sternwerk;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Outcome<QImage> decoded = DecodeJpeg(std::span(data, size));
  if (!decoded.ok()) {
    FUZZ_CHECK(!decoded.error().empty());
    return 0;
  }
  const QImage& image = decoded.value();
  FUZZ_CHECK(!image.isNull());
  FUZZ_CHECK(image.format() == QImage::Format_RGB888);
  FUZZ_CHECK(image.width() > 0 && image.height() > 0);
  return 0;
}

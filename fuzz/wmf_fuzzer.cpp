// Any bytes as a placeable metafile: the reader gives a picture or an error,
// never reads outside the bytes, and a picture it gives, written by our
// writer, reads back equal (with the faces that stand for Arial named so).
#include <cstdint>
#include <span>

#include "fuzz/fuzz_support.h"
#include "platform/wmf_writer.h"
#include "tests/support/wmf_reader.h"

using namespace sternwerk;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Outcome<Picture> decoded = DecodeWmf(std::span(data, size));
  if (!decoded.ok()) {
    FUZZ_CHECK(!decoded.error().empty());
    return 0;
  }
  const Picture& picture = decoded.value();
  FUZZ_CHECK(picture.width() > 0 && picture.height() > 0);
  for (const ImageOp& op : picture.All<ImageOp>()) {
    FUZZ_CHECK(op.image.width > 0 && op.image.height > 0);
    FUZZ_CHECK(op.image.pixels.size() == std::size_t(op.image.width) * op.image.height);
  }
  for (const LineOp& op : picture.Lines()) FUZZ_CHECK(op.pen.width >= 1);

  // The writer may refuse a picture whose numbers do not fit its 16-bit
  // fields; what it writes must come back as the same picture, but for the
  // faces it names Arial.
  const Outcome<std::vector<std::uint8_t>> encoded = EncodeWmf(picture);
  if (!encoded.ok()) return 0;
  const Outcome<Picture> again = DecodeWmf(encoded.value());
  FUZZ_CHECK(again.ok());
  FUZZ_CHECK(again.value() == AsWritten(picture));
  return 0;
}

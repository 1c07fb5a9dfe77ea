#include "platform/jpeg_decoder.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <vector>

#include "platform/program_files.h"
#include "platform/program_language.h"

namespace sternwerk {
namespace {

std::vector<std::uint8_t> StartPictureBytes() {
  QFile file(StartPicturePath());
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << StartPicturePath().toStdString();
  const QByteArray bytes = file.readAll();
  return {bytes.begin(), bytes.end()};
}

// The JPEG bytes with the width and height in their frame header (marker
// 0xFF, frame) replaced.
std::vector<std::uint8_t> WithSize(std::vector<std::uint8_t> bytes, std::uint8_t frame, int width,
                                   int height) {
  for (std::size_t i = 0; i + 9 < bytes.size(); ++i) {
    if (bytes[i] == 0xFF && bytes[i + 1] == frame) {
      bytes[i + 5] = static_cast<std::uint8_t>(height >> 8);
      bytes[i + 6] = static_cast<std::uint8_t>(height);
      bytes[i + 7] = static_cast<std::uint8_t>(width >> 8);
      bytes[i + 8] = static_cast<std::uint8_t>(width);
      return bytes;
    }
  }
  ADD_FAILURE() << "no frame header";
  return bytes;
}

// Peak memory of the process so far, in KiB.
long PeakMemory() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

TEST(JpegDecoder, TheStartPictureFillsThePictureWindow) {
  const Outcome<QImage> image = LoadJpegFile(StartPicturePath());
  ASSERT_TRUE(image.ok()) << image.error();
  EXPECT_EQ(image.value().size(), QSize(765, 569));
  // A dark sky: the corners are dark, and some stars and the name are bright.
  EXPECT_LT(qGray(image.value().pixel(0, 568)), 40);
  int bright = 0;
  for (int y = 0; y < 569; ++y) {
    for (int x = 0; x < 765; ++x) bright += qGray(image.value().pixel(x, y)) > 180;
  }
  EXPECT_GT(bright, 1000);
}

// The English picture is a picture of its own (its words differ), of the
// same sky and size.
TEST(JpegDecoder, EnglishHasAStartPictureOfItsOwn) {
  const QString german = StartPicturePath();
  const ProgramTranslation translation(Language::kEnglish);
  ASSERT_TRUE(translation.status().ok()) << translation.status().error();
  const QString english = StartPicturePath();
  ASSERT_NE(english, german);
  const Outcome<QImage> englishImage = LoadJpegFile(english);
  const Outcome<QImage> germanImage = LoadJpegFile(german);
  ASSERT_TRUE(englishImage.ok()) << englishImage.error();
  ASSERT_TRUE(germanImage.ok()) << germanImage.error();
  EXPECT_EQ(englishImage.value().size(), germanImage.value().size());
  EXPECT_NE(englishImage.value(), germanImage.value());
  EXPECT_EQ(englishImage.value().pixel(0, 0), germanImage.value().pixel(0, 0));
}

TEST(JpegDecoder, AgreesWithQtsOwnReader) {
  const Outcome<QImage> ours = LoadJpegFile(StartPicturePath());
  ASSERT_TRUE(ours.ok());
  const QImage qt = QImage(StartPicturePath()).convertToFormat(QImage::Format_RGB888);
  ASSERT_FALSE(qt.isNull());
  EXPECT_EQ(ours.value(), qt);
}

TEST(JpegDecoder, BrokenFilesGiveAnErrorInsteadOfEndingTheProgram) {
  const std::vector<std::uint8_t> bytes = StartPictureBytes();
  ASSERT_GT(bytes.size(), 1000u);

  const std::vector<std::uint8_t> truncated(bytes.begin(), bytes.begin() + bytes.size() / 2);
  const Outcome<QImage> half = DecodeJpeg(truncated);
  EXPECT_FALSE(half.ok());
  EXPECT_NE(half.error().find("beschädigt"), std::string::npos) << half.error();

  const std::vector<std::uint8_t> header_only(bytes.begin(), bytes.begin() + 100);
  EXPECT_FALSE(DecodeJpeg(header_only).ok());

  std::vector<std::uint8_t> not_jpeg = bytes;
  not_jpeg[0] = 'G';
  not_jpeg[1] = 'I';
  const Outcome<QImage> other = DecodeJpeg(not_jpeg);
  EXPECT_FALSE(other.ok());
  EXPECT_NE(other.error().find("kann nicht gelesen werden"), std::string::npos) << other.error();

  const Outcome<QImage> too_large = DecodeJpeg(WithSize(bytes, 0xC0, 60000, 60000));
  EXPECT_FALSE(too_large.ok());
  EXPECT_NE(too_large.error().find("zu viele"), std::string::npos) << too_large.error();

  EXPECT_FALSE(DecodeJpeg({}).ok());
  const Outcome<QImage> missing = LoadJpegFile("/nonexistent/start_picture.jpg");
  EXPECT_FALSE(missing.ok());
  EXPECT_NE(missing.error().find("/nonexistent/start_picture.jpg"), std::string::npos);

  for (std::size_t length = 0; length < bytes.size(); length += 997) {
    const std::vector<std::uint8_t> prefix(bytes.begin(), bytes.begin() + length);
    EXPECT_FALSE(DecodeJpeg(prefix).ok()) << length;
  }
}

// A progressive picture claiming 60000 x 60000 pixels used to be refused only
// after libjpeg had allocated its coefficient buffers for the whole picture,
// about 20 GB (gigabytes of memory touched under AddressSanitizer).
TEST(JpegDecoder, AHugeProgressivePictureIsRefusedBeforeItsBuffersAreAllocated) {
  QByteArray progressive;
  QBuffer buffer(&progressive);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "jpeg");
  writer.setProgressiveScanWrite(true);
  QImage small(17, 11, QImage::Format_RGB32);
  small.fill(Qt::darkBlue);
  ASSERT_TRUE(writer.write(small)) << writer.errorString().toStdString();
  const std::vector<std::uint8_t> bytes(progressive.begin(), progressive.end());
  ASSERT_TRUE(DecodeJpeg(bytes).ok());

  constexpr long kAllowedGrowthKiB = 256 * 1024;
  const long before = PeakMemory();
  const Outcome<QImage> huge = DecodeJpeg(WithSize(bytes, 0xC2, 60000, 60000));
  EXPECT_FALSE(huge.ok());
  EXPECT_NE(huge.error().find("60000x60000 Bildpunkte sind zu viele"), std::string::npos)
      << huge.error();
  EXPECT_LT(PeakMemory() - before, kAllowedGrowthKiB);
}

}  // namespace
}  // namespace sternwerk

#include "platform/jpeg_decoder.h"

#include <gtest/gtest.h>

#include <QFile>
#include <vector>

#include "platform/program_files.h"

namespace sternwerk {
namespace {

std::vector<std::uint8_t> StartPictureBytes() {
  QFile file(StartPicturePath());
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << StartPicturePath().toStdString();
  const QByteArray bytes = file.readAll();
  return {bytes.begin(), bytes.end()};
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

  // A frame header claiming 60000 x 60000 pixels.
  std::vector<std::uint8_t> huge = bytes;
  for (std::size_t i = 0; i + 9 < huge.size(); ++i) {
    if (huge[i] == 0xFF && huge[i + 1] == 0xC0) {
      huge[i + 5] = huge[i + 7] = 0xEA;
      huge[i + 6] = huge[i + 8] = 0x60;
      break;
    }
  }
  const Outcome<QImage> too_large = DecodeJpeg(huge);
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

}  // namespace
}  // namespace sternwerk

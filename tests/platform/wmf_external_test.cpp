// Our metafiles read by libwmf's wmf2svg, a reader written elsewhere.
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cmath>

#include "platform/wmf_writer.h"
#include "sample_pictures.h"

namespace sternwerk {
namespace {

const QString kWmf2Svg = "/usr/bin/wmf2svg";

// The SVG wmf2svg makes of a picture, as Latin-1 text (it copies the texts'
// bytes unchanged).
QString ConvertedBy_wmf2svg(const Picture& picture) {
  QTemporaryDir dir;
  const QString wmf = dir.filePath("dial.wmf"), svg = dir.filePath("dial.svg");
  EXPECT_TRUE(SaveWmfFile(picture, wmf.toStdString()).ok());
  QProcess process;
  process.start(kWmf2Svg, {"-o", svg, wmf});
  EXPECT_TRUE(process.waitForFinished(30000));
  EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
  QFile file(svg);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly));
  return QString::fromLatin1(file.readAll());
}

TEST(WmfExternalReader, Wmf2SvgDrawsEveryLineEllipseTextAndTheIcon) {
  if (!QFileInfo::exists(kWmf2Svg)) GTEST_SKIP() << "libwmf-bin is not installed";
  const Picture dial = SampleDial();
  const QString svg = ConvertedBy_wmf2svg(dial);

  EXPECT_EQ(svg.count("<line "), static_cast<int>(dial.Lines().size()));
  EXPECT_EQ(svg.count("<ellipse "), static_cast<int>(dial.Ellipses().size()));
  EXPECT_EQ(svg.count("<rect "), 2);
  EXPECT_EQ(svg.count("<image "), 1);

  // Each text element: its rotation matrix and its bytes.
  static const QRegularExpression text_element(
      R"(<text [^>]*transform="matrix\(([-\d.]+) ([-\d.]+) [^"]*"\s*>(.*?)</text>)");
  std::vector<std::tuple<double, double, QString>> found;
  for (const auto& match : text_element.globalMatch(svg)) {
    found.emplace_back(match.captured(1).toDouble(), match.captured(2).toDouble(),
                       match.captured(3));
  }
  const auto texts = dial.Texts();
  ASSERT_EQ(found.size(), texts.size());
  for (std::size_t i = 0; i < texts.size(); ++i) {
    const auto& [cosine, minus_sine, text] = found[i];
    EXPECT_EQ(text, QString::fromLatin1(texts[i].text.c_str())) << i;
    const double angle = texts[i].font.escapement / 10.0 * M_PI / 180;
    EXPECT_NEAR(cosine, std::cos(angle), 0.01) << i;
    EXPECT_NEAR(minus_sine, -std::sin(angle), 0.01) << i;
  }
}

}  // namespace
}  // namespace sternwerk

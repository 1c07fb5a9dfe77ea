#include "platform/symbol_font.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QPainterPath>
#include <QRawFont>
#include <set>

#include "platform/canvas.h"
#include "platform/picture_painter.h"
#include "platform/program_files.h"

namespace sternwerk {
namespace {

// The characters the program writes in the symbol font, as Windows-1252.
const std::string kFactorGlyphs = "abcdefghijklmnopqrstuv";
const std::string kSignGlyphs = "()?*+#!\xA7$%&/";
const std::string kChartSignGlyphs = "\xC7\xC8\xC9\xCA\xCB\xCC\xC1\xC2\xC3\xC4\xC5\xC6";

// One character drawn in the symbol font, as pixels.
QImage Rendered(char character) {
  Picture picture(40, 40);
  Canvas canvas(picture);
  canvas.font = {kSymbolFontFamily.toStdString(), 16, false, {0, 0, 0}, 0};
  canvas.brush.solid = false;
  canvas.TextOut(4, 4, std::string(1, character));
  return RenderPicture(picture, Qt::white);
}

// Checks that each character has a glyph of its own that draws something.
void ExpectDistinctGlyphs(const std::string& characters) {
  const QRawFont raw = QRawFont::fromFont(QFont(kSymbolFontFamily));
  std::set<QByteArray> images;
  for (char c : characters) {
    const char32_t code = static_cast<unsigned char>(c);  // equals Latin-1 here
    const auto glyphs = raw.glyphIndexesForString(QString::fromUcs4(&code, 1));
    ASSERT_EQ(glyphs.size(), 1);
    EXPECT_NE(glyphs[0], 0u) << "no glyph for 0x" << std::hex << int(code);
    EXPECT_FALSE(raw.pathForGlyph(glyphs[0]).isEmpty()) << std::hex << int(code);

    const QImage image = Rendered(c);
    EXPECT_NE(image, RenderPicture(Picture(40, 40), Qt::white)) << std::hex << int(code);
    const QByteArray bytes(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
    EXPECT_TRUE(images.insert(bytes).second) << "same glyph again at 0x" << std::hex << int(code);
  }
}

class SymbolFontTest : public testing::Test {
 protected:
  ApplicationFont font_{SymbolFontPath()};
};

TEST_F(SymbolFontTest, TheFileBesideTheProgramProvidesTheFace) {
  ASSERT_TRUE(font_.status().ok()) << font_.status().error();
  EXPECT_TRUE(SymbolFontInstalled());
  EXPECT_EQ(QFontInfo(QFont(kSymbolFontFamily)).family(), kSymbolFontFamily);
}

TEST_F(SymbolFontTest, EveryFactorAndSignCharacterHasAGlyphOfItsOwn) {
  ASSERT_TRUE(font_.status().ok());
  ExpectDistinctGlyphs(kFactorGlyphs);
  ExpectDistinctGlyphs(kSignGlyphs);
  ExpectDistinctGlyphs(kChartSignGlyphs);
}

TEST(ApplicationFont, IsRemovedAgainAndAFileWithoutAFontAddsNothingAndSaysWhy) {
  {
    ApplicationFont font(SymbolFontPath());
    ASSERT_TRUE(font.status().ok());
  }
  EXPECT_FALSE(SymbolFontInstalled());
  const ApplicationFont missing("/nonexistent/Roradoza.TTF");
  EXPECT_EQ(missing.status().error(),
            "Die Datei /nonexistent/Roradoza.TTF kann nicht als Schrift geladen werden: "
            "Datei oder Verzeichnis nicht gefunden");
  // A readable file that holds no font: this very test program.
  const QString notAFont = QCoreApplication::applicationFilePath();
  const ApplicationFont program(notAFont);
  EXPECT_EQ(program.status().error(), "Die Datei " + notAFont.toStdString() +
                                          " kann nicht als Schrift geladen werden: "
                                          "keine lesbare Schriftdatei");
  EXPECT_FALSE(SymbolFontInstalled());
}

TEST(FontCheck, CaseSensitiveSubstringOfAnyFamilyName) {
  QStringList families;
  for (int i = 0; i < 299; ++i) families << QString("Family %1").arg(i);
  EXPECT_EQ(CountFamiliesContaining(families, kSymbolFontFamily), 0);
  families << "VizizizizuRavorod";
  EXPECT_EQ(CountFamiliesContaining(families, kSymbolFontFamily), 1);
  EXPECT_EQ(CountFamiliesContaining({"vizizizizuravorod"}, kSymbolFontFamily), 0);
  EXPECT_EQ(CountFamiliesContaining({"VizizizizuRavorod [urw]"}, kSymbolFontFamily), 1);
}

}  // namespace
}  // namespace sternwerk

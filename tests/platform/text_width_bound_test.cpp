// The width bound of texts against the faces the replay really draws with.
#include "platform/text_width_bound.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <string>
#include <vector>

#include "platform/drawn_face.h"
#include "platform/faces.h"
#include "platform/picture.h"
#include "platform/program_files.h"
#include "platform/qt_text.h"
#include "platform/symbol_font.h"

namespace sternwerk {
namespace {

// Every ASCII character alone and in the header texts of the charts, in
// the sans-serif faces of the pictures at the sizes they use.
TEST(TextWidthBound, NoReplayedTextIsWiderThanItsBound) {
  std::vector<std::string> texts = {"Datum / Zeit: Mi, 28.02.2024 / 23:59:59 WZ/GMT ",
                                    "Ort: 179\xB0"
                                    "59' W, 89\xB0"
                                    "59' S",
                                    "WWWWWWWWWW", "mmmmmmmmmm", "0123456789:/. "};
  for (char c = 0x20; c < 0x7F; ++c) texts.emplace_back(1, c);
  for (const char* face : {"Ariel", "Arial", "ms sans serif"}) {
    for (int points = 7; points <= 12; ++points) {
      QFont font(DrawnFace(QString::fromLatin1(face)));
      font.setPixelSize(FontPixelHeight(points));
      const QFontMetrics metrics(font);
      for (const std::string& text : texts) {
        EXPECT_LE(metrics.horizontalAdvance(FromWindows1252(text)), TextWidthBound(text, points))
            << face << " " << points << " pt: \"" << text << '"';
      }
    }
  }
}

// The coarse bound holds for every face a picture draws with, the symbol
// font's glyphs and the fixed-pitch and serif faces included, and it never
// undercuts the sans-serif bound.
TEST(AnyFaceTextWidthBound, HoldsForEveryFaceOfThePictures) {
  const ApplicationFont symbolFont(SymbolFontPath());
  ASSERT_TRUE(symbolFont.status().ok()) << symbolFont.status().error();
  const std::vector<std::string> texts = {"abcdefghijklmnopqrstuv", "WWWWWWWWWW", "MC",
                                          "()?*+#!\xA7$%&/", "Ort: 179\xB0"};
  for (const char* face : {kArialFace, kCourierFace, kTimesFace, kSymbolFace}) {
    for (const int points : {7, 9, 12, 16, 32}) {
      QFont font(QString::fromLatin1(face));
      font.setPixelSize(FontPixelHeight(points));
      const QFontMetrics metrics(font);
      for (const std::string& text : texts) {
        const int bound = AnyFaceTextWidthBound(text.size(), FontPixelHeight(points));
        EXPECT_LE(metrics.horizontalAdvance(FromWindows1252(text)), bound)
            << face << " " << points << " pt: \"" << text << '"';
        EXPECT_LE(TextWidthBound(text, points), bound) << text;
      }
    }
  }
}

}  // namespace
}  // namespace sternwerk

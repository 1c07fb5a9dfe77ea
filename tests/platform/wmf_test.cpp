#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <random>
#include <vector>

#include "platform/canvas.h"
#include "platform/colors.h"
#include "platform/wmf_format.h"
#include "platform/wmf_writer.h"
#include "sample_pictures.h"
#include "tests/support/wmf_reader.h"

namespace sternwerk {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Encode(const Picture& picture) {
  Outcome<Bytes> bytes = EncodeWmf(picture);
  EXPECT_TRUE(bytes.ok()) << bytes.error();
  return bytes.ok() ? bytes.value() : Bytes{};
}

std::uint16_t Word(const Bytes& bytes, std::size_t offset) {
  return static_cast<std::uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}
std::uint32_t DoubleWord(const Bytes& bytes, std::size_t offset) {
  return Word(bytes, offset) | (std::uint32_t{Word(bytes, offset + 2)} << 16);
}

// Offsets of the records after the two headers, with their functions.
std::vector<std::pair<std::size_t, std::uint16_t>> Records(const Bytes& bytes) {
  std::vector<std::pair<std::size_t, std::uint16_t>> records;
  for (std::size_t at = 22 + 18; at + 6 <= bytes.size(); at += 2 * DoubleWord(bytes, at)) {
    records.emplace_back(at, Word(bytes, at + 4));
    if (Word(bytes, at + 4) == wmf::kEof) break;
  }
  return records;
}

// A placeable metafile of the bounding box at `inch` units per inch with
// room for one object, holding the records (function, parameter words) and
// the end record.
using RecordWords = std::pair<std::uint16_t, std::vector<std::int16_t>>;
Bytes MetafileOf(const Rect& box, int inch, const std::vector<RecordWords>& records) {
  Bytes bytes;
  const auto put16 = [&](int value) {
    bytes.push_back(static_cast<std::uint8_t>(value));
    bytes.push_back(static_cast<std::uint8_t>(value >> 8));
  };
  const auto put32 = [&](std::uint32_t value) {
    put16(static_cast<int>(value & 0xFFFF));
    put16(static_cast<int>(value >> 16));
  };
  put32(wmf::kPlaceableKey);
  for (int value : {0, box.left, box.top, box.right, box.bottom, inch, 0, 0}) put16(value);
  std::uint16_t checksum = 0;
  for (int i = 0; i < 10; ++i) checksum ^= Word(bytes, 2 * i);
  put16(checksum);
  std::size_t recordWords = 3;  // the end record
  for (const auto& [function, words] : records) recordWords += 3 + words.size();
  for (int value : {wmf::kMemoryMetafile, std::uint16_t(9), wmf::kVersion3}) put16(value);
  put32(static_cast<std::uint32_t>(9 + recordWords));
  put16(1);  // objects
  put32(0);
  put16(0);
  for (const auto& [function, words] : records) {
    put32(static_cast<std::uint32_t>(3 + words.size()));
    put16(function);
    for (std::int16_t word : words) put16(word);
  }
  put32(3);
  put16(wmf::kEof);
  return bytes;
}

TEST(WmfWriter, HeadersDescribeTheFile) {
  const Bytes bytes = Encode(SampleDial());
  ASSERT_GT(bytes.size(), 40u);
  EXPECT_EQ(DoubleWord(bytes, 0), 0x9AC6CDD7u);
  EXPECT_EQ(Word(bytes, 6), 0);     // bounding box left
  EXPECT_EQ(Word(bytes, 8), 0);     // top
  EXPECT_EQ(Word(bytes, 10), 520);  // right
  EXPECT_EQ(Word(bytes, 12), 520);  // bottom
  EXPECT_EQ(Word(bytes, 14), 96);   // units per inch
  std::uint16_t checksum = 0;
  for (int i = 0; i < 10; ++i) checksum ^= Word(bytes, 2 * i);
  EXPECT_EQ(Word(bytes, 20), checksum);

  EXPECT_EQ(Word(bytes, 22), 1);  // in memory
  EXPECT_EQ(Word(bytes, 24), 9);  // header words
  EXPECT_EQ(Word(bytes, 26), 0x0300);
  EXPECT_EQ(2 * DoubleWord(bytes, 28), bytes.size() - 22);

  const auto records = Records(bytes);
  ASSERT_FALSE(records.empty());
  EXPECT_EQ(records.back().second, wmf::kEof);
  EXPECT_EQ(records.back().first + 6, bytes.size());
  std::uint32_t largest = 0;
  for (auto [at, function] : records) largest = std::max(largest, DoubleWord(bytes, at));
  EXPECT_EQ(DoubleWord(bytes, 34), largest);
  // Pen, brush and font stay selected; one more slot for each replacement.
  EXPECT_EQ(Word(bytes, 32), 4);
}

TEST(WmfWriter, TextsKeepTheirWindows1252BytesAndFontsTheirPixelHeight) {
  Picture picture(100, 50);
  Canvas canvas(picture);
  canvas.font = {"VizizizizuRavorod", 16, true, kRed, 3715};
  canvas.TextOut(7, 9, "\xC7\xA7");
  const Bytes bytes = Encode(picture);

  bool font_seen = false, text_seen = false;
  for (auto [at, function] : Records(bytes)) {
    if (function == wmf::kCreateFontIndirect) {
      EXPECT_EQ(static_cast<std::int16_t>(Word(bytes, at + 6)), -21);  // 16 pt
      EXPECT_EQ(Word(bytes, at + 10), 3715);                           // escapement
      EXPECT_EQ(Word(bytes, at + 14), 700);                            // weight
      EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes[at + 24])), "VizizizizuRavorod");
      font_seen = true;
    }
    if (function == wmf::kTextOut) {
      EXPECT_EQ(Word(bytes, at + 6), 2);
      EXPECT_EQ(bytes[at + 8], 0xC7);
      EXPECT_EQ(bytes[at + 9], 0xA7);
      EXPECT_EQ(Word(bytes, at + 10), 9);  // y before x
      EXPECT_EQ(Word(bytes, at + 12), 7);
      text_seen = true;
    }
  }
  EXPECT_TRUE(font_seen);
  EXPECT_TRUE(text_seen);
}

TEST(WmfWriter, RefusesCoordinatesBeyondSixteenBits) {
  Picture picture(100, 100);
  Canvas canvas(picture);
  canvas.Rectangle(0, 0, 40000, 10);
  const Outcome<Bytes> bytes = EncodeWmf(picture);
  EXPECT_FALSE(bytes.ok());
  EXPECT_NE(bytes.error().find("40000"), std::string::npos);
  EXPECT_FALSE(EncodeWmf(Picture(70000, 10)).ok());
}

TEST(WmfRoundTrip, ReadingBackGivesAnEqualPicture) {
  const Picture dial = AsWritten(SampleDial());
  const Outcome<Picture> read = DecodeWmf(Encode(SampleDial()));
  ASSERT_TRUE(read.ok()) << read.error();
  EXPECT_EQ(read.value().width(), 520);
  EXPECT_EQ(read.value().height(), 520);
  ASSERT_EQ(read.value().operations().size(), dial.operations().size());
  for (std::size_t i = 0; i < dial.operations().size(); ++i) {
    EXPECT_TRUE(read.value().operations()[i] == dial.operations()[i]) << "operation " << i;
  }
  EXPECT_EQ(read.value().Texts().size(), 14u);
}

// The font of a text written in `font`, as the file gives it back.
Font FontReadBack(const Font& font) {
  Picture picture(10, 10);
  Canvas canvas(picture);
  canvas.font = font;
  canvas.TextOut(0, 0, "x");
  const Outcome<Picture> read = DecodeWmf(Encode(picture));
  EXPECT_TRUE(read.ok());
  return read.ok() ? read.value().Texts().at(0).font : Font{};
}

// Other programs know Arial, not the misspelt "Ariel" nor the Windows-only
// "MS Sans Serif", and substitute a wider face that runs texts together.
TEST(WmfWriter, FacesThatStandForArialAreWrittenAsArial) {
  for (const auto& [drawn, written] :
       std::vector<std::pair<std::string, std::string>>{{"Ariel", "Arial"},
                                                        {"ms sans serif", "Arial"},
                                                        {"MS Sans Serif", "Arial"},
                                                        {"arial", "arial"},
                                                        {"courier new", "courier new"},
                                                        {"VizizizizuRavorod", "VizizizizuRavorod"},
                                                        {"Arielle", "Arielle"}}) {
    Font font;
    font.face = drawn;
    EXPECT_EQ(FontReadBack(font).face, written) << drawn;
  }
}

TEST(WmfRoundTrip, EveryFontSizeComesBackFromItsPixelHeight) {
  for (int size = 1; size <= 72; ++size) {
    Font font;
    font.size = size;
    EXPECT_EQ(FontReadBack(font).size, size);
  }
}

TEST(WmfRoundTrip, PicturesDrawnIntoOthersAreWrittenInPlace) {
  auto inner = std::make_shared<Picture>(100, 50);
  Canvas innerCanvas(*inner);
  innerCanvas.MoveTo(10, 10);
  innerCanvas.LineTo(90, 40);
  innerCanvas.font.size = 10;
  innerCanvas.TextOut(20, 30, "Datum");

  Picture picture(200, 200);
  Canvas canvas(picture);
  canvas.StretchDraw({0, 100, 200, 200}, inner);
  const Outcome<Picture> read = DecodeWmf(Encode(picture));
  ASSERT_TRUE(read.ok());
  const auto lines = read.value().Lines();
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].from, (Point{20, 120}));
  EXPECT_EQ(lines[0].to, (Point{180, 180}));
  EXPECT_EQ(lines[0].pen.width, 2);
  const auto texts = read.value().Texts();
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].at, (Point{40, 160}));
  EXPECT_EQ(texts[0].font.size, 20);
}

TEST(WmfRoundTrip, FilesOnDisk) {
  const std::string path =
      (std::filesystem::temp_directory_path() / "sternwerk_wmf_test.wmf").string();
  ASSERT_TRUE(SaveWmfFile(SampleDial(), path).ok());
  const Outcome<Picture> read = LoadWmfFile(path);
  ASSERT_TRUE(read.ok()) << read.error();
  EXPECT_EQ(read.value(), AsWritten(SampleDial()));
  std::filesystem::remove(path);

  EXPECT_FALSE(LoadWmfFile(path).ok());
  EXPECT_FALSE(SaveWmfFile(SampleDial(), "/nonexistent-dir/img.wmf").ok());
}

TEST(WmfReader, SkipsRecordsItDoesNotDraw) {
  Bytes bytes = Encode(SampleDial());
  // A polygon and a raster operation, inserted before the first line.
  const Bytes extra = {4,  0, 0, 0, 0x04, 0x01, 13, 0,  // SetROP2
                       10, 0, 0, 0, 0x24, 0x03, 3,  0, 1, 0, 2, 0, 3, 0, 4, 0, 5, 0, 6, 0};
  const auto records = Records(bytes);
  const std::size_t at = std::find_if(records.begin(), records.end(), [](auto r) {
                           return r.second == wmf::kLineTo;
                         })->first;
  bytes.insert(bytes.begin() + at, extra.begin(), extra.end());
  const std::uint32_t words = DoubleWord(bytes, 28) + extra.size() / 2;
  for (int i = 0; i < 4; ++i) bytes[28 + i] = static_cast<std::uint8_t>(words >> (8 * i));

  const Outcome<Picture> read = DecodeWmf(bytes);
  ASSERT_TRUE(read.ok()) << read.error();
  EXPECT_EQ(read.value(), AsWritten(SampleDial()));
}

TEST(WmfReader, ClearErrorsForWhatIsNotOurFormat) {
  EXPECT_EQ(DecodeWmf({}).error(), "Die Datei ist leer.");
  const Bytes png = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 0x0D, 'I', 'H',
                     'D',  'R', 0,   0,   0,    1,    0,    0,    0, 1, 8, 6,    0,   0};
  EXPECT_EQ(DecodeWmf(png).error(), "Die Datei ist keine platzierbare Windows-Metadatei.");

  Bytes bytes = Encode(SampleDial());
  Bytes bad_checksum = bytes;
  bad_checksum[20] ^= 1;
  EXPECT_EQ(DecodeWmf(bad_checksum).error(), "Der Kopf der Metadatei ist beschädigt.");

  Bytes no_objects = bytes;
  no_objects[32] = no_objects[33] = 0;
  EXPECT_FALSE(DecodeWmf(no_objects).ok());

  Bytes oversized_record = bytes;
  oversized_record[40 + 2] = 0x7F;  // first record claims millions of words
  EXPECT_FALSE(DecodeWmf(oversized_record).ok());

  Bytes oversized_file = bytes;
  oversized_file[31] = 0x10;  // header claims more words than the file has
  EXPECT_EQ(DecodeWmf(oversized_file).error(), "Die Metadatei ist unvollständig.");
}

// A face name field without its ending NUL used to give a 32-character
// face, which the writer then wrote back cut to 31: the picture read back
// from our own copy of such a file was another picture.
TEST(WmfReader, AFaceNameWithoutItsEndingNulKeepsThirtyOneCharacters) {
  Picture picture(100, 100);
  Canvas canvas(picture);
  canvas.font.face = std::string(31, 'F');
  canvas.TextOut(10, 10, "Sonne");
  Bytes bytes = Encode(picture);
  const auto records = Records(bytes);
  const auto font = std::find_if(records.begin(), records.end(), [](auto record) {
    return record.second == wmf::kCreateFontIndirect;
  });
  ASSERT_NE(font, records.end());
  const std::size_t nul = font->first + 6 + wmf::kLogFontFixedBytes + 31;
  ASSERT_EQ(bytes[nul], 0);
  bytes[nul] = 'X';

  const Outcome<Picture> read = DecodeWmf(bytes);
  ASSERT_TRUE(read.ok()) << read.error();
  EXPECT_EQ(read.value().Texts().at(0).font.face, std::string(31, 'F'));
  const Outcome<Picture> again = DecodeWmf(Encode(read.value()));
  ASSERT_TRUE(again.ok()) << again.error();
  EXPECT_EQ(again.value(), read.value());
}

// A window extent of one unit in a picture millions of pixels wide used to
// wrap coordinates and pen widths round the range of int: a line to the
// right edge came back far to the left of the picture.
TEST(WmfReader, CoordinatesBeyondTheRangeOfIntAreAnError) {
  const Rect wide{-32768, 0, 32767, 1};  // at one unit per inch 6291360 x 96 pixels
  const std::vector<RecordWords> line = {{wmf::kMoveTo, {0, -32768}}, {wmf::kLineTo, {0, 32767}}};
  const Outcome<Picture> read = DecodeWmf(MetafileOf(wide, 1, line));
  ASSERT_TRUE(read.ok()) << read.error();
  ASSERT_EQ(read.value().Lines().size(), 1u);
  EXPECT_EQ(read.value().Lines()[0].to, (Point{6291360, 0}));

  std::vector<RecordWords> tiny_window = line;
  tiny_window.insert(tiny_window.begin(), {wmf::kSetWindowExt, {1, 1}});
  EXPECT_EQ(DecodeWmf(MetafileOf(wide, 1, tiny_window)).error(),
            "Die Metadatei hat zu große Koordinaten.");
  const std::vector<RecordWords> wide_pen = {{wmf::kSetWindowExt, {1, 1}},
                                             {wmf::kCreatePenIndirect, {0, 32767, 0, 0, 0}}};
  EXPECT_EQ(DecodeWmf(MetafileOf(wide, 1, wide_pen)).error(),
            "Die Metadatei hat zu große Koordinaten.");
}

TEST(WmfReader, EveryTruncationIsAnErrorNeverARead) {
  const Bytes bytes = Encode(SampleDial());
  for (std::size_t length = 0; length < bytes.size(); ++length) {
    const Bytes prefix(bytes.begin(), bytes.begin() + length);
    const Outcome<Picture> read = DecodeWmf(prefix);
    EXPECT_FALSE(read.ok()) << length;
    EXPECT_FALSE(read.error().empty());
  }
}

TEST(WmfReader, DamagedBytesNeverCrash) {
  const Bytes bytes = Encode(SampleDial());
  std::mt19937 random(20261207);
  int accepted = 0;
  for (int trial = 0; trial < 3000; ++trial) {
    Bytes damaged = bytes;
    for (int hit = 0; hit < 4; ++hit) {
      damaged[random() % damaged.size()] = static_cast<std::uint8_t>(random());
    }
    const Outcome<Picture> read = DecodeWmf(damaged);
    accepted += read.ok();
    if (!read.ok()) {
      EXPECT_FALSE(read.error().empty());
    }
  }
  EXPECT_GT(accepted, 0);  // most damage hits coordinates and colours
}

}  // namespace
}  // namespace sternwerk

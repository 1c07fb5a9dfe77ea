#include "tests/support/wmf_reader.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <limits>
#include <optional>
#include <variant>
#include <vector>

#include "platform/faces.h"
#include "platform/wmf_format.h"
#include "tests/support/byte_reader.h"

namespace sternwerk {

namespace {

constexpr int kMaxImageSide = 8192;
constexpr int kPointsPerInch = 72;
constexpr int kPixelsPerInch = 96;

Rgb ReadColorRef(ByteReader& in) {
  const std::uint32_t ref = in.U32();
  return {static_cast<std::uint8_t>(ref), static_cast<std::uint8_t>(ref >> 8),
          static_cast<std::uint8_t>(ref >> 16)};
}

struct FileFont {
  std::string face;
  double height = 0;  // pixels
  bool bold = false;
  int escapement = 0;
};
struct OtherObject {};  // palettes, regions, pattern brushes: they take a slot
using GdiObject = std::variant<Pen, Brush, FileFont, OtherObject>;

class WmfDecoder {
 public:
  explicit WmfDecoder(std::span<const std::uint8_t> bytes) : in_(bytes) {}

  Outcome<Picture> Decode() {
    if (in_.remaining() == 0) return Fail("Die Datei ist leer.");
    if (in_.remaining() < wmf::kPlaceableHeaderBytes || in_.U32() != wmf::kPlaceableKey) {
      return Fail("Die Datei ist keine platzierbare Windows-Metadatei.");
    }
    if (!ReadPlaceableHeader()) return Fail(error_);
    if (!ReadHeader()) return Fail(error_);
    if (!ReadRecords()) return Fail(error_);
    return Outcome<Picture>::Success(std::move(picture_));
  }

 private:
  static Outcome<Picture> Fail(const std::string& error) {
    return Outcome<Picture>::Failure(error);
  }

  bool Error(std::string error) {
    error_ = std::move(error);
    return false;
  }

  bool ReadPlaceableHeader() {
    std::uint16_t checksum = 0x0000;
    ByteReader words(in_);  // a copy positioned after the key
    checksum ^= static_cast<std::uint16_t>(wmf::kPlaceableKey & 0xFFFF);
    checksum ^= static_cast<std::uint16_t>(wmf::kPlaceableKey >> 16);
    for (int i = 2; i < wmf::kPlaceableChecksumWords; ++i) checksum ^= words.U16();

    in_.U16();  // handle
    const int left = in_.I16(), top = in_.I16(), right = in_.I16(), bottom = in_.I16();
    const int inch = in_.U16();
    in_.U32();  // reserved
    if (in_.U16() != checksum) return Error("Der Kopf der Metadatei ist beschädigt.");
    if (right <= left || bottom <= top || inch == 0) {
      return Error("Die Metadatei hat keine gültige Bildgröße.");
    }
    picture_ =
        Picture((right - left) * kPixelsPerInch / inch, (bottom - top) * kPixelsPerInch / inch);
    if (picture_.width() == 0 || picture_.height() == 0) {
      return Error("Die Metadatei hat keine gültige Bildgröße.");
    }
    window_origin_ = {left, top};
    window_extent_ = {right - left, bottom - top};
    return true;
  }

  bool ReadHeader() {
    const std::uint16_t type = in_.U16();
    const std::uint16_t header_words = in_.U16();
    const std::uint16_t version = in_.U16();
    const std::uint32_t size_words = in_.U32();
    const std::uint16_t objects = in_.U16();
    in_.U32();  // largest record
    in_.U16();  // unused
    if (in_.failed()) return Error("Die Metadatei ist unvollständig.");
    if ((type != wmf::kMemoryMetafile && type != wmf::kDiskMetafile) ||
        header_words != wmf::kHeaderWords ||
        (version != wmf::kVersion1 && version != wmf::kVersion3)) {
      return Error("Der Kopf der Metadatei ist ungültig.");
    }
    if (size_words < wmf::kHeaderWords ||
        std::size_t(size_words - wmf::kHeaderWords) * 2 > in_.remaining()) {
      return Error("Die Metadatei ist unvollständig.");
    }
    objects_.assign(objects, std::nullopt);
    return true;
  }

  bool ReadRecords() {
    while (true) {
      if (in_.remaining() < std::size_t(wmf::kRecordHeaderWords) * 2) {
        return Error("Die Metadatei ist unvollständig.");
      }
      const std::uint32_t words = in_.U32();
      const std::uint16_t function = in_.U16();
      if (words < wmf::kRecordHeaderWords ||
          (words - wmf::kRecordHeaderWords) > in_.remaining() / 2) {
        return Error("Ein Datensatz der Metadatei hat eine ungültige Größe.");
      }
      if (function == wmf::kEof) return true;
      ByteReader params(in_.Take(std::size_t(words - wmf::kRecordHeaderWords) * 2));
      if (!Play(function, params)) return false;
      if (params.failed()) return Error("Ein Datensatz der Metadatei ist zu kurz.");
      if (beyond_pixels_) return Error("Die Metadatei hat zu große Koordinaten.");
    }
  }

  bool Play(std::uint16_t function, ByteReader& in) {
    switch (function) {
      case wmf::kSetWindowOrg:
        window_origin_.y = in.I16();
        window_origin_.x = in.I16();
        return true;
      case wmf::kSetWindowExt:
        window_extent_.y = in.I16();
        window_extent_.x = in.I16();
        if (window_extent_.x == 0 || window_extent_.y == 0) {
          return Error("Die Metadatei hat eine leere Fensterausdehnung.");
        }
        return true;
      case wmf::kSetTextColor:
        text_color_ = ReadColorRef(in);
        return true;
      case wmf::kSetBkColor:
        background_color_ = ReadColorRef(in);
        return true;
      case wmf::kSetBkMode:
        background_opaque_ = in.U16() == wmf::kOpaque;
        return true;
      case wmf::kCreatePenIndirect:
        return Create(ReadPen(in));
      case wmf::kCreateBrushIndirect:
        return Create(ReadBrush(in));
      case wmf::kCreateFontIndirect:
        return Create(ReadFont(in));
      case wmf::kCreatePalette:
      case wmf::kCreatePatternBrush:
      case wmf::kDibCreatePatternBrush:
      case wmf::kCreateRegion:
        return Create(OtherObject{});
      case wmf::kSelectObject:
        return Select(in.U16());
      case wmf::kDeleteObject:
        return Delete(in.U16());
      case wmf::kMoveTo: {
        const int y = in.I16();
        position_ = Map({in.I16(), y});
        return true;
      }
      case wmf::kLineTo: {
        const int y = in.I16();
        const Point to = Map({in.I16(), y});
        picture_.Add(LineOp{position_, to, pen_});
        position_ = to;
        return true;
      }
      case wmf::kRectangle:
        picture_.Add(RectangleOp{ReadBox(in), pen_, brush_});
        return true;
      case wmf::kEllipse:
        picture_.Add(EllipseOp{ReadBox(in), pen_, brush_});
        return true;
      case wmf::kTextOut:
        return ReadText(in);
      case wmf::kStretchDib:
        return ReadStretchDib(in);
      default:
        return true;  // draws nothing this program draws
    }
  }

  Pen ReadPen(ByteReader& in) {
    in.U16();  // style
    const int width = in.I16();
    in.I16();
    const Rgb color = ReadColorRef(in);
    return {color, std::max(1, Pixels(std::abs(width) * ScaleX()))};
  }

  Brush ReadBrush(ByteReader& in) {
    const std::uint16_t style = in.U16();
    return {ReadColorRef(in), style != wmf::kBrushNull};
  }

  FileFont ReadFont(ByteReader& in) {
    FileFont font;
    font.height = std::abs(in.I16()) * std::abs(ScaleY());
    in.I16();  // width
    font.escapement = in.I16();
    in.I16();  // orientation
    font.bold = in.I16() >= (wmf::kWeightNormal + wmf::kWeightBold) / 2;
    in.Skip(8);  // italic .. pitch and family
    // The face name field ends with a NUL, so it holds 31 characters at most.
    const std::size_t face_bytes = std::min<std::size_t>(in.remaining(), wmf::kFaceNameBytes);
    for (std::uint8_t c : in.Take(face_bytes)) {
      if (c == 0 || font.face.size() == std::size_t(wmf::kFaceNameBytes - 1)) break;
      font.face.push_back(static_cast<char>(c));
    }
    return font;
  }

  Rect ReadBox(ByteReader& in) {
    const int bottom = in.I16(), right = in.I16(), top = in.I16(), left = in.I16();
    const Point top_left = Map({left, top}), bottom_right = Map({right, bottom});
    return {top_left.x, top_left.y, bottom_right.x, bottom_right.y};
  }

  bool ReadText(ByteReader& in) {
    const std::uint16_t length = in.U16();
    const auto text = in.Take(length + length % 2u);
    const int y = in.I16();
    const Point at = Map({in.I16(), y});
    if (in.failed()) return Error("Ein Text der Metadatei ist zu kurz.");
    Font font;
    font.face = font_.face;
    font.size = Pixels(font_.height * kPointsPerInch / kPixelsPerInch);
    font.bold = font_.bold;
    font.color = text_color_;
    font.escapement = font_.escapement;
    picture_.Add(TextOp{at, std::string(text.begin(), text.begin() + length), font,
                        Brush{background_color_, background_opaque_}});
    return true;
  }

  // Uncompressed 24- and 32-bit bitmaps are drawn; other bitmaps are skipped.
  bool ReadStretchDib(ByteReader& in) {
    in.Skip(4 + 2 + 4 * 2);  // raster operation, colour use, source rectangle
    const int height = in.I16(), width = in.I16();
    const int y = in.I16(), x = in.I16();
    const Point top_left = Map({x, y}), bottom_right = Map({x + width, y + height});

    const std::uint32_t header_bytes = in.U32();
    const std::int32_t image_width = in.I32(), stored_height = in.I32();
    in.U16();  // planes
    const int bits = in.U16();
    const std::uint32_t compression = in.U32();
    if (in.failed() || header_bytes < wmf::kBitmapInfoHeaderBytes) {
      return Error("Ein Bild der Metadatei ist beschädigt.");
    }
    if ((bits != 24 && bits != 32) || compression != wmf::kBitmapRgb) return true;
    const bool top_down = stored_height < 0;
    const std::int64_t image_height = std::abs(std::int64_t{stored_height});
    if (image_width <= 0 || image_width > kMaxImageSide || image_height == 0 ||
        image_height > kMaxImageSide) {
      return Error("Ein Bild der Metadatei hat eine ungültige Größe.");
    }
    in.Skip(header_bytes - 20);  // rest of the header
    const std::size_t stride = ((std::size_t(image_width) * bits + 31) / 32) * 4;
    const auto data = in.Take(stride * image_height);
    if (in.failed()) return Error("Ein Bild der Metadatei ist unvollständig.");

    Image image{image_width, static_cast<int>(image_height), {}};
    image.pixels.resize(std::size_t(image_width) * image_height);
    bool any_alpha = false;
    for (int row = 0; row < image.height; ++row) {
      const std::size_t stored_row = top_down ? row : image.height - 1 - row;
      const std::uint8_t* p = data.data() + stored_row * stride;
      for (int column = 0; column < image.width; ++column, p += bits / 8) {
        const std::uint32_t alpha = bits == 32 ? p[3] : 0xFF;
        any_alpha |= alpha != 0;
        image.pixels[std::size_t(row) * image.width + column] =
            (alpha << 24) | (p[2] << 16) | (p[1] << 8) | p[0];
      }
    }
    if (!any_alpha) {
      for (std::uint32_t& pixel : image.pixels) pixel |= 0xFF000000;  // alpha not kept
    }
    picture_.Add(ImageOp{{top_left.x, top_left.y, bottom_right.x, bottom_right.y}, image});
    return true;
  }

  bool Create(GdiObject object) {
    for (auto& slot : objects_) {
      if (!slot) {
        slot = std::move(object);
        return true;
      }
    }
    return Error("Die Metadatei legt mehr Objekte an, als ihr Kopf angibt.");
  }

  bool Select(std::uint16_t index) {
    if (index >= objects_.size() || !objects_[index]) {
      return Error("Die Metadatei wählt ein Objekt, das es nicht gibt.");
    }
    const GdiObject& object = *objects_[index];
    if (const auto* pen = std::get_if<Pen>(&object)) pen_ = *pen;
    if (const auto* brush = std::get_if<Brush>(&object)) brush_ = *brush;
    if (const auto* font = std::get_if<FileFont>(&object)) font_ = *font;
    return true;
  }

  bool Delete(std::uint16_t index) {
    if (index >= objects_.size()) {
      return Error("Die Metadatei löscht ein Objekt, das es nicht gibt.");
    }
    objects_[index].reset();
    return true;
  }

  double ScaleX() const { return double(picture_.width()) / window_extent_.x; }
  double ScaleY() const { return double(picture_.height()) / window_extent_.y; }

  // A value in the picture's pixels, rounded. A value beyond the range of
  // int (a tiny window extent in a huge picture) marks the file as
  // unreadable rather than wrapping round.
  int Pixels(double value) {
    if (!(std::abs(value) < std::numeric_limits<int>::max())) {
      beyond_pixels_ = true;
      return 0;
    }
    return static_cast<int>(std::lround(value));
  }

  // Logical units to the picture's pixels.
  Point Map(Point logical) {
    return {Pixels((logical.x - window_origin_.x) * ScaleX()),
            Pixels((logical.y - window_origin_.y) * ScaleY())};
  }

  ByteReader in_;
  std::string error_;
  bool beyond_pixels_ = false;
  Picture picture_{0, 0};
  Point window_origin_, window_extent_;
  std::vector<std::optional<GdiObject>> objects_;

  // The playback state, starting from the defaults of a fresh device context.
  Pen pen_;
  Brush brush_;
  FileFont font_{Font{}.face, double(FontPixelHeight(Font{}.size)), false, 0};
  Rgb text_color_{0, 0, 0};
  Rgb background_color_{255, 255, 255};
  bool background_opaque_ = true;
  Point position_;
};

}  // namespace

Outcome<Picture> DecodeWmf(std::span<const std::uint8_t> bytes) {
  return WmfDecoder(bytes).Decode();
}

Outcome<Picture> LoadWmfFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return Outcome<Picture>::Failure("Die Datei " + path + " kann nicht gelesen werden.");
  const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file),
                                        std::istreambuf_iterator<char>()};
  if (file.bad()) {
    return Outcome<Picture>::Failure("Die Datei " + path + " kann nicht gelesen werden.");
  }
  return DecodeWmf(bytes);
}

Picture AsWritten(const Picture& picture) {
  Picture written(picture.width(), picture.height());
  for (Operation operation : picture.operations()) {
    if (auto* text = std::get_if<TextOp>(&operation); text && StandsForArial(text->font.face)) {
      text->font.face = kArialFace;
    }
    written.Add(std::move(operation));
  }
  return written;
}

}  // namespace sternwerk

#include "platform/wmf_writer.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <optional>

#include "base/failure_text.h"
#include "base/file_replacement.h"
#include "platform/faces.h"
#include "platform/little_endian.h"
#include "platform/wmf_format.h"

namespace sternwerk {

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr const char* kTextTooLong = QT_TRANSLATE_NOOP("sternwerk::WmfWriter", "Text zu lang");
constexpr const char* kBadImageSize =
    QT_TRANSLATE_NOOP("sternwerk::WmfWriter", "Bild mit ungültiger Größe");
constexpr const char* kCoordinateTooLarge = QT_TRANSLATE_NOOP(
    "sternwerk::WmfWriter", "Koordinate %1 passt nicht in eine Windows-Metadatei");

// Why a picture cannot be written, in the language of the run.
constexpr ContextTexts Said("sternwerk::WmfWriter");

// Maps the pixels of a (possibly nested) picture onto the written picture.
struct Transform {
  double scaleX = 1, scaleY = 1;
  double offsetX = 0, offsetY = 0;

  int X(int x) const { return static_cast<int>(std::lround(offsetX + x * scaleX)); }
  int Y(int y) const { return static_cast<int>(std::lround(offsetY + y * scaleY)); }
  Point Map(Point p) const { return {X(p.x), Y(p.y)}; }
  Rect Map(const Rect& r) const { return {X(r.left), Y(r.top), X(r.right), Y(r.bottom)}; }

  // The transform of a picture drawn stretched into `target` of this one.
  Transform Into(const Rect& target, const Picture& inner) const {
    const double sx = inner.width() > 0 ? double(target.width()) / inner.width() : 0;
    const double sy = inner.height() > 0 ? double(target.height()) / inner.height() : 0;
    return {scaleX * sx, scaleY * sy, offsetX + target.left * scaleX,
            offsetY + target.top * scaleY};
  }
};

// The font as the file holds it: height in logical units.
struct FileFont {
  std::string face;
  int height = 0;
  bool bold = false;
  int escapement = 0;
  friend bool operator==(const FileFont&, const FileFont&) = default;
};

// Faces that stand for Arial are written as Arial, so that other programs
// find them; every other face is written as it is.
std::string WrittenFace(const std::string& face) {
  return StandsForArial(face) ? std::string(kArialFace) : face;
}

class WmfEncoder {
 public:
  explicit WmfEncoder(const Picture& picture) : picture_(picture) {}

  Outcome<Bytes> Encode() {
    Record(wmf::kSetMapMode, {wmf::kAnisotropic});
    Record(wmf::kSetWindowOrg, {0, 0});
    Record(wmf::kSetWindowExt, {Word(picture_.height()), Word(picture_.width())});
    Record(wmf::kSetTextAlign, {wmf::kAlignTopLeft});
    DrawOperations(picture_, Transform{});
    Record(wmf::kEof, {});
    if (!error_.empty()) return Outcome<Bytes>::Failure(error_);
    return Outcome<Bytes>::Success(Assemble());
  }

 private:
  void DrawOperations(const Picture& picture, const Transform& transform) {
    for (const Operation& operation : picture.operations()) {
      std::visit([&](const auto& op) { Draw(op, transform); }, operation);
    }
  }

  void Draw(const LineOp& op, const Transform& t) {
    SelectPen(op.pen, t);
    const Point from = t.Map(op.from), to = t.Map(op.to);
    if (position_ != from) Record(wmf::kMoveTo, {Word(from.y), Word(from.x)});
    Record(wmf::kLineTo, {Word(to.y), Word(to.x)});
    position_ = to;
  }

  void Draw(const RectangleOp& op, const Transform& t) {
    DrawBox(wmf::kRectangle, t.Map(op.box), op.pen, op.brush, t);
  }

  void Draw(const EllipseOp& op, const Transform& t) {
    DrawBox(wmf::kEllipse, t.Map(op.box), op.pen, op.brush, t);
  }

  void Draw(const TextOp& op, const Transform& t) {
    const int height = static_cast<int>(std::lround(FontPixelHeight(op.font.size) * t.scaleY));
    SelectFont({op.font.face, height, op.font.bold, op.font.escapement});
    SetColor(wmf::kSetTextColor, text_color_, op.font.color);
    SetColor(wmf::kSetBkColor, background_color_, op.brush.color);
    const std::uint16_t mode = op.brush.solid ? wmf::kOpaque : wmf::kTransparent;
    if (background_mode_ != mode) Record(wmf::kSetBkMode, {mode});
    background_mode_ = mode;

    if (op.text.size() > std::numeric_limits<std::uint16_t>::max()) Fail(Said(kTextTooLong));
    Bytes params;
    AppendU16(params, static_cast<std::uint16_t>(op.text.size()));
    params.insert(params.end(), op.text.begin(), op.text.end());
    if (params.size() % 2) params.push_back(0);
    const Point at = t.Map(op.at);
    AppendU16(params, Word(at.y));
    AppendU16(params, Word(at.x));
    RecordBytes(wmf::kTextOut, params);
  }

  void Draw(const ImageOp& op, const Transform& t) {
    const Image& image = op.image;
    if (image.width <= 0 || image.height <= 0 ||
        image.pixels.size() != std::size_t(image.width) * image.height) {
      return Fail(Said(kBadImageSize));
    }
    const Rect target = t.Map(op.target);
    Bytes params;
    AppendU32(params, wmf::kSourceCopy);
    AppendU16(params, wmf::kDibRgbColors);
    for (int value : {image.height, image.width, 0, 0, target.height(), target.width(), target.top,
                      target.left}) {
      AppendU16(params, Word(value));
    }
    AppendBitmap(params, image);
    RecordBytes(wmf::kStretchDib, params);
  }

  void Draw(const PictureOp& op, const Transform& t) {
    if (op.picture) DrawOperations(*op.picture, t.Into(op.target, *op.picture));
  }

  void DrawBox(wmf::Function function, const Rect& box, const Pen& pen, const Brush& brush,
               const Transform& t) {
    SelectPen(pen, t);
    SelectBrush(brush);
    Record(function, {Word(box.bottom), Word(box.right), Word(box.top), Word(box.left)});
  }

  // A 32-bit bottom-up device-independent bitmap; the fourth byte of each
  // pixel keeps its alpha.
  void AppendBitmap(Bytes& params, const Image& image) {
    const std::uint32_t pixelBytes = 4u * image.width * image.height;
    AppendU32(params, wmf::kBitmapInfoHeaderBytes);
    AppendU32(params, static_cast<std::uint32_t>(image.width));
    AppendU32(params, static_cast<std::uint32_t>(image.height));
    AppendU16(params, 1);   // planes
    AppendU16(params, 32);  // bits per pixel
    AppendU32(params, wmf::kBitmapRgb);
    AppendU32(params, pixelBytes);
    AppendU32(params, wmf::kPixelsPerMeterAt96Dpi);
    AppendU32(params, wmf::kPixelsPerMeterAt96Dpi);
    AppendU32(params, 0);  // colours used
    AppendU32(params, 0);  // colours important
    for (int row = image.height - 1; row >= 0; --row) {
      for (int column = 0; column < image.width; ++column) {
        AppendU32(params, image.pixels[std::size_t(row) * image.width + column]);
      }
    }
  }

  void SelectPen(const Pen& pen, const Transform& t) {
    const int width = std::max(1, static_cast<int>(std::lround(pen.width * t.scaleX)));
    const Pen written{pen.color, width};
    if (pen_ == written) return;
    Bytes params;
    AppendU16(params, wmf::kPenSolid);
    AppendU16(params, Word(width));
    AppendU16(params, 0);
    AppendU32(params, wmf::ColorRef(pen.color.r, pen.color.g, pen.color.b));
    Replace(pen_slot_, wmf::kCreatePenIndirect, params);
    pen_ = written;
  }

  void SelectBrush(const Brush& brush) {
    if (brush_ == brush) return;
    Bytes params;
    AppendU16(params, brush.solid ? wmf::kBrushSolid : wmf::kBrushNull);
    AppendU32(params, wmf::ColorRef(brush.color.r, brush.color.g, brush.color.b));
    AppendU16(params, 0);  // hatch
    Replace(brush_slot_, wmf::kCreateBrushIndirect, params);
    brush_ = brush;
  }

  void SelectFont(const FileFont& font) {
    if (font_ == font) return;
    Bytes params;
    AppendU16(params, Word(-font.height));  // negative: character height
    AppendU16(params, 0);                   // width chosen by the font mapper
    AppendU16(params, Word(font.escapement));
    AppendU16(params, 0);  // orientation
    AppendU16(params, font.bold ? wmf::kWeightBold : wmf::kWeightNormal);
    for (std::uint8_t b : {0, 0, 0}) params.push_back(b);  // italic, underline, strike-out
    params.push_back(wmf::kDefaultCharset);
    for (std::uint8_t b : {0, 0, 0, 0}) params.push_back(b);  // precisions, quality, pitch
    std::string face = WrittenFace(font.face).substr(0, wmf::kFaceNameBytes - 1);
    face.resize(wmf::kFaceNameBytes, '\0');
    params.insert(params.end(), face.begin(), face.end());
    Replace(font_slot_, wmf::kCreateFontIndirect, params);
    font_ = font;
  }

  void SetColor(wmf::Function function, std::optional<Rgb>& current, Rgb color) {
    if (current == color) return;
    Bytes params;
    AppendU32(params, wmf::ColorRef(color.r, color.g, color.b));
    RecordBytes(function, params);
    current = color;
  }

  // Creates an object in the lowest free slot of the object table, selects
  // it, then deletes the object it replaces.
  void Replace(std::optional<int>& slot, wmf::Function create, const Bytes& params) {
    RecordBytes(create, params);
    const auto free = std::find(slots_.begin(), slots_.end(), false);
    const int index = static_cast<int>(free - slots_.begin());
    if (free == slots_.end()) {
      slots_.push_back(true);
    } else {
      *free = true;
    }
    Record(wmf::kSelectObject, {Word(index)});
    if (slot) {
      Record(wmf::kDeleteObject, {Word(*slot)});
      slots_[*slot] = false;
    }
    slot = index;
  }

  std::uint16_t Word(int value) {
    if (value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max()) {
      Fail(WithArguments(Said(kCoordinateTooLarge), {std::to_string(value)}));
    }
    return static_cast<std::uint16_t>(value);
  }

  void Record(wmf::Function function, std::initializer_list<std::uint16_t> words) {
    Bytes params;
    for (std::uint16_t w : words) AppendU16(params, w);
    RecordBytes(function, params);
  }

  void RecordBytes(wmf::Function function, const Bytes& params) {
    const std::uint32_t words = wmf::kRecordHeaderWords + std::uint32_t(params.size() / 2);
    AppendU32(records_, words);
    AppendU16(records_, function);
    records_.insert(records_.end(), params.begin(), params.end());
    largest_record_ = std::max(largest_record_, words);
  }

  void Fail(const std::string& error) {
    if (error_.empty()) error_ = error;
  }

  Bytes Assemble() {
    Bytes file;
    AppendU32(file, wmf::kPlaceableKey);
    AppendU16(file, 0);  // handle
    for (int value : {0, 0, picture_.width(), picture_.height()}) AppendU16(file, Word(value));
    AppendU16(file, wmf::kUnitsPerInch);
    AppendU32(file, 0);  // reserved
    std::uint16_t checksum = 0;
    for (int i = 0; i < wmf::kPlaceableChecksumWords; ++i) {
      checksum ^= static_cast<std::uint16_t>(file[2 * i] | (file[2 * i + 1] << 8));
    }
    AppendU16(file, checksum);

    AppendU16(file, wmf::kMemoryMetafile);
    AppendU16(file, wmf::kHeaderWords);
    AppendU16(file, wmf::kVersion3);
    AppendU32(file, static_cast<std::uint32_t>(wmf::kHeaderWords + records_.size() / 2));
    AppendU16(file, static_cast<std::uint16_t>(slots_.size()));
    AppendU32(file, largest_record_);
    AppendU16(file, 0);  // unused
    file.insert(file.end(), records_.begin(), records_.end());
    return file;
  }

  const Picture& picture_;
  Bytes records_;
  std::uint32_t largest_record_ = 0;
  std::string error_;

  std::vector<bool> slots_;  // the object table: which slots hold an object
  std::optional<int> pen_slot_, brush_slot_, font_slot_;
  std::optional<Pen> pen_;
  std::optional<Brush> brush_;
  std::optional<FileFont> font_;
  std::optional<Rgb> text_color_, background_color_;
  std::optional<std::uint16_t> background_mode_;
  std::optional<Point> position_;
};

}  // namespace

Outcome<Bytes> EncodeWmf(const Picture& picture) {
  return WmfEncoder(picture).Encode();
}

Status SaveWmfFile(const Picture& picture, const std::string& path) {
  const Outcome<Bytes> bytes = EncodeWmf(picture);
  if (!bytes.ok()) return Status::Failure(FailureText(path, kWritten, bytes.error()));
  return ReplaceFileContent(
      path,
      std::string_view(reinterpret_cast<const char*>(bytes.value().data()), bytes.value().size()));
}

}  // namespace sternwerk

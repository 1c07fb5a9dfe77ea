#include "platform/picture_painter.h"

#include <QFont>
#include <QFontMetrics>
#include <QLineF>
#include <QPen>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <variant>

#include "platform/drawn_face.h"
#include "platform/operation_bounds.h"
#include "platform/qt_text.h"
#include "platform/ui_style.h"

namespace sternwerk {

namespace {

constexpr double kTenthsPerDegree = 10.0;
constexpr std::uint32_t kOpaqueAlpha = 0xFF;

QPen ToQPen(const Pen& pen) {
  // Windows leaves out the last pixel of a line; flat caps do the same.
  QPen result(ToQColor(pen.color), pen.width, Qt::SolidLine,
              pen.width > 1 ? Qt::RoundCap : Qt::FlatCap, Qt::MiterJoin);
  return result;
}

QBrush ToQBrush(const Brush& brush) {
  return brush.solid ? QBrush(ToQColor(brush.color)) : QBrush(Qt::NoBrush);
}

// Pixel (x, y) is the unit square right of and below the point (x, y). The
// pen runs through the centres of the outermost pixels of a box whose right
// and bottom edges are exclusive, so that a stretched replay scales the same
// squares.
constexpr double kPixelCentre = 0.5;

QRectF OutlineOf(const Rect& box) {
  return QRectF(box.left + kPixelCentre, box.top + kPixelCentre, box.width() - 1, box.height() - 1);
}

// A line covers the pixels from its start pixel up to, not including, its end
// pixel: across its direction it runs through the pixel centres, along it
// from the near edge of the start pixel to the near edge of the end pixel.
QLineF LinePath(Point from, Point to) {
  const double dx = to.x - from.x, dy = to.y - from.y;
  const double length = std::hypot(dx, dy);
  const QPointF shift(kPixelCentre * (1 - dx / length), kPixelCentre * (1 - dy / length));
  return QLineF(QPointF(from.x, from.y) + shift, QPointF(to.x, to.y) + shift);
}

QFont ToQFont(const Font& font) {
  QFont result(DrawnFace(QString::fromStdString(font.face)));
  result.setPixelSize(FontPixelHeight(font.size));
  result.setBold(font.bold);
  return result;
}

// Pixels around a text's box and ink that antialiasing, a synthetic bold
// and the rounding of a turned glyph may still touch.
constexpr int kInkMargin = 3;

QRect TextBounds(const TextOp& op) {
  const QFontMetrics metrics(ToQFont(op.font));
  const QString text = FromWindows1252(op.text);
  const QRect box(0, 0, metrics.horizontalAdvance(text), metrics.height());
  const QRect ink = metrics.boundingRect(text).translated(0, metrics.ascent());
  const QRectF own = QRectF(box | ink).adjusted(-kInkMargin, -kInkMargin, kInkMargin, kInkMargin);
  // Placed as Replay::Draw places it: at its anchor, turned by its escapement.
  QTransform placement;
  placement.translate(op.at.x, op.at.y);
  placement.rotate(-op.font.escapement / kTenthsPerDegree);
  return placement.mapRect(own).toAlignedRect();
}

class Replay {
 public:
  explicit Replay(QPainter& painter) : painter_(painter) {}

  void Operations(const Picture& picture) {
    for (const Operation& operation : picture.operations()) {
      std::visit([this](const auto& op) { Draw(op); }, operation);
    }
  }

 private:
  void Draw(const LineOp& op) {
    if (op.from == op.to) return;  // a line to its own start draws nothing
    painter_.setPen(ToQPen(op.pen));
    painter_.drawLine(LinePath(op.from, op.to));
  }

  void Draw(const RectangleOp& op) {
    painter_.setPen(ToQPen(op.pen));
    painter_.setBrush(ToQBrush(op.brush));
    painter_.drawRect(OutlineOf(op.box));
  }

  void Draw(const EllipseOp& op) {
    painter_.setPen(ToQPen(op.pen));
    painter_.setBrush(ToQBrush(op.brush));
    painter_.drawEllipse(OutlineOf(op.box));
  }

  void Draw(const TextOp& op) {
    const QString text = FromWindows1252(op.text);
    painter_.save();
    painter_.setFont(ToQFont(op.font));
    const QFontMetrics metrics = painter_.fontMetrics();
    painter_.translate(op.at.x, op.at.y);
    painter_.rotate(-op.font.escapement / kTenthsPerDegree);
    if (op.brush.solid) {
      painter_.fillRect(QRect(0, 0, metrics.horizontalAdvance(text), metrics.height()),
                        ToQColor(op.brush.color));
    }
    painter_.setPen(ToQColor(op.font.color));
    painter_.drawText(QPoint(0, metrics.ascent()), text);
    painter_.restore();
  }

  void Draw(const ImageOp& op) {
    const Image& image = op.image;
    if (image.width <= 0 || image.height <= 0 ||
        image.pixels.size() != std::size_t(image.width) * image.height) {
      return;
    }
    // An image without see-through pixels goes out without an alpha channel,
    // so that a PDF or a printer keeps the page as vectors around it.
    const bool opaque = std::ranges::all_of(
        image.pixels, [](std::uint32_t argb) { return argb >> 24 == kOpaqueAlpha; });
    const QImage view(reinterpret_cast<const uchar*>(image.pixels.data()), image.width,
                      image.height, opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32);
    painter_.drawImage(QRectF(op.target.left, op.target.top, op.target.width(), op.target.height()),
                       view);
  }

  void Draw(const PictureOp& op) {
    if (!op.picture) return;
    PaintPictureScaled(
        painter_, *op.picture,
        QRectF(op.target.left, op.target.top, op.target.width(), op.target.height()));
  }

  QPainter& painter_;
};

}  // namespace

void PaintPicture(QPainter& painter, const Picture& picture, QPoint origin) {
  PaintPictureScaled(painter, picture,
                     QRectF(origin.x(), origin.y(), picture.width(), picture.height()));
}

void PaintPictureScaled(QPainter& painter, const Picture& picture, const QRectF& target) {
  if (picture.width() <= 0 || picture.height() <= 0) return;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.translate(target.topLeft());
  painter.scale(target.width() / picture.width(), target.height() / picture.height());
  Replay(painter).Operations(picture);
  painter.restore();
}

QRect PaintedBounds(const Operation& operation) {
  if (const TextOp* text = std::get_if<TextOp>(&operation)) return TextBounds(*text);
  return OperationBounds(operation);
}

QImage RenderPicture(const Picture& picture, QColor background) {
  QImage image(picture.width(), picture.height(), QImage::Format_ARGB32_Premultiplied);
  image.fill(background);
  QPainter painter(&image);
  PaintPicture(painter, picture);
  return image;
}

}  // namespace sternwerk

#include "platform/clipboard.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QPointer>

#include "platform/picture_painter.h"
#include "platform/wmf_writer.h"

namespace sternwerk {

namespace {
const QString kImageFormat = "application/x-qt-image";
const QString kPngFormat = "image/png";
const QString kWmfFormat = "image/x-wmf";
}  // namespace

PictureMimeData::PictureMimeData(Picture picture) : picture_(std::move(picture)) {}

void PictureMimeData::SetPicture(Picture picture) {
  picture_ = std::move(picture);
  conversions_ = 0;
}

QStringList PictureMimeData::formats() const {
  return {kImageFormat, kPngFormat, kWmfFormat};
}

bool PictureMimeData::hasFormat(const QString& mimeType) const {
  return formats().contains(mimeType);
}

QVariant PictureMimeData::retrieveData(const QString& mimeType, QMetaType type) const {
  if (mimeType == kImageFormat || mimeType == kPngFormat) {
    ++conversions_;
    const QImage image = RenderPicture(picture_);
    if (mimeType == kImageFormat && type.id() != QMetaType::QByteArray) return image;
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
  }
  if (mimeType == kWmfFormat) {
    ++conversions_;
    const Outcome<std::vector<std::uint8_t>> wmf = EncodeWmf(picture_);
    if (!wmf.ok()) return {};
    return QByteArray(reinterpret_cast<const char*>(wmf.value().data()),
                      static_cast<qsizetype>(wmf.value().size()));
  }
  return {};
}

void CopyPictureToClipboard(Picture picture) {
  // Qt deletes the data the clipboard held as soon as it gets other content,
  // from this program or from another one; until then the pointer is set.
  static QPointer<PictureMimeData> held;
  if (held) {
    held->SetPicture(std::move(picture));
    return;
  }
  held = new PictureMimeData(std::move(picture));
  QGuiApplication::clipboard()->setMimeData(held);
}

}  // namespace sternwerk

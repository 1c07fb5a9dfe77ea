#include "tools/picture_file.h"

#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QSvgGenerator>
#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdint>
#include <vector>

#include "engine/system_error_text.h"
#include "platform/picture_painter.h"
#include "platform/wmf_writer.h"

namespace sternwerk {

namespace {

constexpr int kScreenDpi = 96;  // picture pixels are screen pixels at 96 dpi

std::string Lowercase(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return lower;
}

bool EndsWith(std::string_view text, std::string_view end) {
  return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

// Why a file operation failed: the system's reason in German where the
// failed call left one, Qt's text otherwise.
QString FileErrorText(const QFileDevice& file) {
  return errno != 0 ? QString::fromStdString(SystemErrorText(errno)) : file.errorString();
}

Status CannotWrite(const std::string& path, const QString& reason) {
  return Status::Failure("Die Datei " + path +
                         " kann nicht geschrieben werden: " + reason.toStdString());
}

Status WriteWmf(const Picture& picture, const std::string& path) {
  const Outcome<std::vector<std::uint8_t>> bytes = EncodeWmf(picture);
  if (!bytes.ok()) return CannotWrite(path, QString::fromStdString(bytes.error()));
  QFile file(QString::fromStdString(path));
  const auto size = static_cast<qint64>(bytes.value().size());
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
      file.write(reinterpret_cast<const char*>(bytes.value().data()), size) != size ||
      !file.flush()) {
    return CannotWrite(path, FileErrorText(file));
  }
  return Status::Success();
}

Status WriteSvg(const Picture& picture, PictureExtent extent, const std::string& path) {
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
    return CannotWrite(path, FileErrorText(file));
  }
  QSvgGenerator svg;
  svg.setOutputDevice(&file);
  svg.setTitle("Sternwerk");
  svg.setResolution(kScreenDpi);
  svg.setSize(QSize(extent.width, extent.height));
  svg.setViewBox(QRect(0, 0, extent.width, extent.height));
  {
    QPainter painter(&svg);
    PaintPicture(painter, picture);
  }
  if (file.error() != QFileDevice::NoError || !file.flush()) {
    return CannotWrite(path, FileErrorText(file));
  }
  return Status::Success();
}

Status WritePng(const Picture& picture, PictureExtent extent, const std::string& path) {
  QImage image(extent.width, extent.height, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  {
    QPainter painter(&image);
    PaintPicture(painter, picture);
  }
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
    return CannotWrite(path, FileErrorText(file));
  }
  QImageWriter writer(&file, "png");
  if (!writer.write(image) || !file.flush()) {
    return CannotWrite(
        path, file.error() != QFileDevice::NoError ? FileErrorText(file) : writer.errorString());
  }
  return Status::Success();
}

}  // namespace

std::optional<PictureFormat> PictureFormatOf(std::string_view path) {
  const std::string lower = Lowercase(path);
  if (EndsWith(lower, ".wmf")) return PictureFormat::kWmf;
  if (EndsWith(lower, ".svg")) return PictureFormat::kSvg;
  if (EndsWith(lower, ".png")) return PictureFormat::kPng;
  return std::nullopt;
}

Status WritePictureFile(const Picture& picture, PictureExtent extent, const std::string& path) {
  const std::optional<PictureFormat> format = PictureFormatOf(path);
  if (!format) {
    return Status::Failure("Die Datei " + path + " hat keine der Endungen .wmf, .svg, .png.");
  }
  switch (*format) {
    case PictureFormat::kWmf:
      return WriteWmf(picture, path);
    case PictureFormat::kSvg:
      return WriteSvg(picture, extent, path);
    case PictureFormat::kPng:
      return WritePng(picture, extent, path);
  }
  return Status::Failure("Die Datei " + path + " hat ein unbekanntes Format.");
}

}  // namespace sternwerk

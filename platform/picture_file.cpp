#include "platform/picture_file.h"

#include <QBuffer>
#include <QColor>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <algorithm>
#include <cctype>
#include <memory>

#include "base/failure_text.h"
#include "base/file_replacement.h"
#include "platform/picture_painter.h"
#include "platform/program_files.h"
#include "platform/symbol_font.h"
#include "platform/wmf_writer.h"

namespace sternwerk {

namespace {

constexpr int kScreenDpi = 96;  // picture pixels are screen pixels at 96 dpi
constexpr const char* kNoPdfPage =
    QT_TRANSLATE_NOOP("sternwerk::PictureFile", "die PDF-Seite kann nicht beginnen");
constexpr const char* kUnknownEnding = QT_TRANSLATE_NOOP(
    "sternwerk::PictureFile", "Die Datei %1 hat keine der Endungen .wmf, .svg, .png.");
constexpr const char* kUnknownFormat =
    QT_TRANSLATE_NOOP("sternwerk::PictureFile", "Die Datei %1 hat ein unbekanntes Format.");

// A text of the picture files in the language of the run.
constexpr ContextTexts Said("sternwerk::PictureFile");

std::string Lowercase(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return lower;
}

bool EndsWith(std::string_view text, std::string_view end) {
  return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

// The metafile's bounding box is the extent, as for SVG and PNG: the
// picture is placed 1:1 at its top-left corner.
Status WriteWmf(const Picture& picture, PictureExtent extent, const std::string& path) {
  Picture framed(extent.width, extent.height);
  framed.Add(PictureOp{{0, 0, picture.width(), picture.height()},
                       std::make_shared<const Picture>(picture)});
  return SaveWmfFile(framed, path);
}

void PaintBackground(QPainter& painter, PictureExtent extent, std::optional<Rgb> background) {
  if (!background) return;
  painter.fillRect(QRect(0, 0, extent.width, extent.height),
                   QColor(background->r, background->g, background->b));
}

// A style element that gives the symbol face its font file; empty when the
// file cannot be read (the pictures then draw no glyphs anyway).
QByteArray SymbolFontStyle() {
  QFile font(SymbolFontPath());
  if (!font.open(QIODevice::ReadOnly)) return {};
  return "<style type=\"text/css\">@font-face { font-family: '" + kSymbolFontFamily.toUtf8() +
         "'; src: url(data:font/ttf;base64," + font.readAll().toBase64() +
         ") format('truetype'); }</style>\n";
}

// The SVG with the symbol font's style as the first element of its root.
QByteArray WithSymbolFont(QByteArray svg) {
  const qsizetype root = svg.indexOf("<svg");
  const qsizetype rootEnd = root < 0 ? -1 : svg.indexOf('>', root);
  if (rootEnd >= 0) svg.insert(rootEnd + 1, "\n" + SymbolFontStyle());
  return svg;
}

Status WriteSvg(const Picture& picture, PictureExtent extent, const std::string& path,
                std::optional<Rgb> background) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setTitle("Sternwerk");
  svg.setResolution(kScreenDpi);
  svg.setSize(QSize(extent.width, extent.height));
  svg.setViewBox(QRect(0, 0, extent.width, extent.height));
  {
    QPainter painter(&svg);
    PaintBackground(painter, extent, background);
    PaintPicture(painter, picture);
  }
  return ReplaceFileWith(path, WithSymbolFont(buffer.data()));
}

Status WritePng(const Picture& picture, PictureExtent extent, const std::string& path,
                std::optional<Rgb> background) {
  QImage image(extent.width, extent.height, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  {
    QPainter painter(&image);
    PaintBackground(painter, extent, background);
    PaintPicture(painter, picture);
  }
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "png");
  if (!writer.write(image)) {
    return Status::Failure(FailureText(path, kWritten, writer.errorString().toStdString()));
  }
  return ReplaceFileWith(path, buffer.data());
}

}  // namespace

Status WritePicturePdf(const Picture& picture, PictureExtent extent, const std::string& path,
                       std::optional<Rgb> background) {
  constexpr double kPointsPerPixel = 72.0 / kScreenDpi;
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter pdf(&buffer);
    pdf.setTitle("Sternwerk");
    pdf.setResolution(kScreenDpi);
    pdf.setPageSize(
        QPageSize(QSizeF(extent.width * kPointsPerPixel, extent.height * kPointsPerPixel),
                  QPageSize::Point, QString(), QPageSize::ExactMatch));
    pdf.setPageMargins(QMarginsF());
    QPainter painter;
    if (!painter.begin(&pdf)) {
      return Status::Failure(FailureText(path, kWritten, Said(kNoPdfPage)));
    }
    PaintBackground(painter, extent, background);
    PaintPicture(painter, picture);
  }
  return ReplaceFileWith(path, buffer.data());
}

Status ReplaceFileWith(const std::string& path, const QByteArray& bytes) {
  return ReplaceFileContent(
      path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

std::optional<PictureFormat> PictureFormatOf(std::string_view path) {
  const std::string lower = Lowercase(path);
  if (EndsWith(lower, ".wmf")) return PictureFormat::kWmf;
  if (EndsWith(lower, ".svg")) return PictureFormat::kSvg;
  if (EndsWith(lower, ".png")) return PictureFormat::kPng;
  return std::nullopt;
}

Status WritePictureFile(const Picture& picture, PictureExtent extent, const std::string& path,
                        std::optional<Rgb> background) {
  const std::optional<PictureFormat> format = PictureFormatOf(path);
  if (!format) {
    return Status::Failure(WithArguments(Said(kUnknownEnding), {path}));
  }
  switch (*format) {
    case PictureFormat::kWmf:
      return WriteWmf(picture, extent, path);
    case PictureFormat::kSvg:
      return WriteSvg(picture, extent, path, background);
    case PictureFormat::kPng:
      return WritePng(picture, extent, path, background);
  }
  return Status::Failure(WithArguments(Said(kUnknownFormat), {path}));
}

}  // namespace sternwerk

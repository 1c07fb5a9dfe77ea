// Writing a recorded picture to a file whose name ends in .wmf, .svg or .png,
// or to a PDF page.
#pragma once

#include <QByteArray>
#include <optional>
#include <string>
#include <string_view>

#include "base/outcome.h"
#include "platform/picture.h"

namespace sternwerk {

enum class PictureFormat { kWmf, kSvg, kPng };

// The format named by the path's extension, in any case; nothing for another.
std::optional<PictureFormat> PictureFormatOf(std::string_view path);

// The part of the plane that the files show, from the origin (for a WMF its
// bounding box); a picture may draw beyond its nominal size.
struct PictureExtent {
  int width = 0;
  int height = 0;
};

// Writes the picture in the format of the path's extension, replacing the
// file. SVG and PNG need a Qt GUI application (it may be offscreen); an SVG
// carries the symbol font (SymbolFontPath) as an @font-face data URI, so a
// browser without the font shows the signs. The failure names the file and
// the reason. SVG and PNG are laid on `background` when it is given, as a
// window shows the picture; a WMF keeps the picture as drawn.
Status WritePictureFile(const Picture& picture, PictureExtent extent, const std::string& path,
                        std::optional<Rgb> background = std::nullopt);

// Writes the picture as a PDF of one page the extent's size, the picture 1:1
// at the screen's 96 dpi, on `background` when it is given; replaces the file.
Status WritePicturePdf(const Picture& picture, PictureExtent extent, const std::string& path,
                       std::optional<Rgb> background = std::nullopt);

// Replaces the file whole with bytes made in memory (ReplaceFileContent).
Status ReplaceFileWith(const std::string& path, const QByteArray& bytes);

}  // namespace sternwerk

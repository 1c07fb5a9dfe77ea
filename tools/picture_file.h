// Writing a recorded picture to a file whose name ends in .wmf, .svg or .png.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/outcome.h"
#include "platform/picture.h"

namespace sternwerk {

enum class PictureFormat { kWmf, kSvg, kPng };

// The format named by the path's extension, in any case; nothing for another.
std::optional<PictureFormat> PictureFormatOf(std::string_view path);

// The part of the plane that the SVG and PNG files show, from the origin; a
// picture may draw beyond its nominal size. A placeable WMF always has the
// picture's nominal size as its bounding box.
struct PictureExtent {
  int width = 0;
  int height = 0;
};

// Writes the picture in the format of the path's extension, replacing the
// file. SVG and PNG need a Qt GUI application (it may be offscreen). The
// failure names the file and the reason.
Status WritePictureFile(const Picture& picture, PictureExtent extent, const std::string& path);

}  // namespace sternwerk

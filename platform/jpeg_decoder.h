// Decoding JPEG pictures with libjpeg.
#pragma once

#include <QImage>
#include <QString>
#include <cstdint>
#include <span>

#include "base/outcome.h"

namespace sternwerk {

// The picture a JPEG file holds, as an RGB image. Data that libjpeg cannot
// decode, or decodes only with a warning (a truncated file), gives an error
// message naming libjpeg's complaint.
Outcome<QImage> DecodeJpeg(std::span<const std::uint8_t> bytes);

// Reads and decodes a file; a missing or unreadable file gives an error.
Outcome<QImage> LoadJpegFile(const QString& path);

}  // namespace sternwerk

// Constants of the placeable Windows metafile format shared by the writer
// and the reader. All numbers in the file are little-endian; sizes of
// records and of the metafile are counted in 16-bit words.
#pragma once

#include <cstdint>

namespace sternwerk::wmf {

inline constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7;
inline constexpr int kPlaceableHeaderBytes = 22;
inline constexpr int kPlaceableChecksumWords = 10;  // words covered by the checksum
inline constexpr std::uint16_t kUnitsPerInch = 96;

inline constexpr int kHeaderWords = 9;
inline constexpr std::uint16_t kMemoryMetafile = 1;
inline constexpr std::uint16_t kDiskMetafile = 2;
inline constexpr std::uint16_t kVersion3 = 0x0300;
inline constexpr std::uint16_t kVersion1 = 0x0100;

inline constexpr int kRecordHeaderWords = 3;  // size (2 words) and function

// Record functions.
enum Function : std::uint16_t {
  kEof = 0x0000,
  kSetBkColor = 0x0201,
  kSetBkMode = 0x0102,
  kSetMapMode = 0x0103,
  kSetTextAlign = 0x012E,
  kSetTextColor = 0x0209,
  kSetWindowOrg = 0x020B,
  kSetWindowExt = 0x020C,
  kSelectObject = 0x012D,
  kDeleteObject = 0x01F0,
  kCreatePenIndirect = 0x02FA,
  kCreateBrushIndirect = 0x02FC,
  kCreateFontIndirect = 0x02FB,
  kCreatePalette = 0x00F7,
  kCreatePatternBrush = 0x01F9,
  kDibCreatePatternBrush = 0x0142,
  kCreateRegion = 0x06FF,
  kMoveTo = 0x0214,
  kLineTo = 0x0213,
  kRectangle = 0x041B,
  kEllipse = 0x0418,
  kTextOut = 0x0521,
  kStretchDib = 0x0F43,
};

inline constexpr std::uint16_t kAnisotropic = 8;  // map mode
inline constexpr std::uint16_t kTransparent = 1;  // background modes
inline constexpr std::uint16_t kOpaque = 2;
inline constexpr std::uint16_t kAlignTopLeft = 0;

inline constexpr std::uint16_t kPenSolid = 0;
inline constexpr std::uint16_t kBrushSolid = 0;
inline constexpr std::uint16_t kBrushNull = 1;

inline constexpr std::int16_t kWeightNormal = 400;
inline constexpr std::int16_t kWeightBold = 700;
inline constexpr std::uint8_t kDefaultCharset = 1;
inline constexpr int kFaceNameBytes = 32;
inline constexpr int kLogFontFixedBytes = 18;

inline constexpr std::uint32_t kSourceCopy = 0x00CC0020;  // raster operation
inline constexpr std::uint16_t kDibRgbColors = 0;
inline constexpr int kBitmapInfoHeaderBytes = 40;
inline constexpr std::uint32_t kBitmapRgb = 0;  // uncompressed
inline constexpr int kPixelsPerMeterAt96Dpi = 3780;

// A colour reference: 0x00BBGGRR.
inline std::uint32_t ColorRef(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return r | (g << 8) | (static_cast<std::uint32_t>(b) << 16);
}

}  // namespace sternwerk::wmf

// Appending little-endian numbers to a byte buffer.
#pragma once

#include <cstdint>
#include <vector>

namespace sternwerk {

inline void AppendU16(std::vector<std::uint8_t>& bytes, std::uint16_t value) {
  bytes.push_back(static_cast<std::uint8_t>(value));
  bytes.push_back(static_cast<std::uint8_t>(value >> 8));
}

inline void AppendU32(std::vector<std::uint8_t>& bytes, std::uint32_t value) {
  AppendU16(bytes, static_cast<std::uint16_t>(value));
  AppendU16(bytes, static_cast<std::uint16_t>(value >> 16));
}

inline void AppendI16(std::vector<std::uint8_t>& bytes, std::int16_t value) {
  AppendU16(bytes, static_cast<std::uint16_t>(value));
}

}  // namespace sternwerk

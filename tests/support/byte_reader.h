// Bounded little-endian reading from a byte span: a read past the end reads
// nothing, gives zero and marks the reader as failed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace sternwerk {

class ByteReader {
 public:
  explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  std::size_t remaining() const { return bytes_.size() - offset_; }
  std::size_t offset() const { return offset_; }
  bool failed() const { return failed_; }

  std::uint8_t U8() {
    const auto b = Take(1);
    return b.empty() ? 0 : b[0];
  }
  std::uint16_t U16() {
    const auto b = Take(2);
    return b.empty() ? 0 : static_cast<std::uint16_t>(b[0] | (b[1] << 8));
  }
  std::int16_t I16() { return static_cast<std::int16_t>(U16()); }
  std::uint32_t U32() {
    const std::uint32_t low = U16();
    return low | (static_cast<std::uint32_t>(U16()) << 16);
  }
  std::int32_t I32() { return static_cast<std::int32_t>(U32()); }

  // The next `count` bytes, or an empty span (and failure) when fewer remain.
  std::span<const std::uint8_t> Take(std::size_t count) {
    if (failed_ || count > remaining()) {
      failed_ = true;
      return {};
    }
    const auto taken = bytes_.subspan(offset_, count);
    offset_ += count;
    return taken;
  }

  void Skip(std::size_t count) { Take(count); }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t offset_ = 0;
  bool failed_ = false;
};

}  // namespace sternwerk

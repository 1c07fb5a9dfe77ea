// Helpers shared by the fuzz targets: invariant checks that fail like a
// crash, and the fuzz input split into lines.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

// Reports a broken invariant with its place and ends the run, so that the
// fuzzer keeps the input that broke it.
#define FUZZ_CHECK(condition)                                                                \
  do {                                                                                       \
    if (!(condition)) {                                                                      \
      std::fprintf(stderr, "%s:%d: invariant broken: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                          \
    }                                                                                        \
  } while (false)

namespace sternwerk::fuzz {

inline std::string_view Text(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// The input cut at every line feed (the line feeds dropped); a last line
// without its line feed counts too.
inline std::vector<std::string> Lines(std::string_view input) {
  std::vector<std::string> lines;
  while (!input.empty()) {
    const std::size_t end = input.find('\n');
    lines.emplace_back(input.substr(0, end));
    if (end == std::string_view::npos) break;
    input.remove_prefix(end + 1);
  }
  return lines;
}

}  // namespace sternwerk::fuzz

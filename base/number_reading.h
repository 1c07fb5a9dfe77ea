// Whole numbers as the date/time/place dialog reads its fields.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace sternwerk {

// Leading blanks, at most one sign ("+" or "-"), then only digits up to the
// end. Anything else, an empty text or a value beyond 64 bits is no number.
std::optional<std::int64_t> ReadWholeNumber(std::string_view text);

// The same without any sign: "-5" and "+5" are no numbers here.
std::optional<std::int64_t> ReadUnsignedNumber(std::string_view text);

}  // namespace sternwerk

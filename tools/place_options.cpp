#include "tools/place_options.h"

#include <cstdio>

#include "tools/tool_text.h"

namespace sternwerk {
namespace {

constexpr std::string_view kPlaceOption = "--place";
constexpr std::string_view kLocalOption = "--local";
constexpr std::string_view kSavedOption = "--saved";
constexpr std::string_view kCollectionOption = "--collection";

// The length of the UTF-8 sequence starting at text[at], or 0 where the
// bytes there are no well-formed sequence (overlong forms, surrogates and
// code points past U+10FFFF included).
std::size_t SequenceLength(std::string_view text, std::size_t at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
  const unsigned char lead = byte(0);
  std::size_t length = 0;
  unsigned char low = 0x80, high = 0xBF;  // the allowed range of the second byte
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) length = 2;
  if (lead >= 0xE0 && lead <= 0xEF) length = 3;
  if (lead >= 0xF0 && lead <= 0xF4) length = 4;
  if (lead == 0xE0) low = 0xA0;
  if (lead == 0xED) high = 0x9F;
  if (lead == 0xF0) low = 0x90;
  if (lead == 0xF4) high = 0x8F;
  if (length == 0 || at + length > text.size()) return 0;
  if (byte(1) < low || byte(1) > high) return 0;
  for (std::size_t i = 2; i < length; ++i) {
    if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
  }
  return length;
}

}  // namespace

Status RequireUtf8(std::string_view text, std::string_view what) {
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t length = SequenceLength(text, at);
    if (length == 0) {
      char byteText[8];
      std::snprintf(byteText, sizeof byteText, "0x%02X", static_cast<unsigned char>(text[at]));
      return Status::Failure(WithArguments(
          Said(QT_TRANSLATE_NOOP("sternwerk-sky",
                                 "%1: Byte %2 an Stelle %3 ist kein UTF-8 (Umlaute als UTF-8 "
                                 "oder als ae, oe, ue eingeben)")),
          {what, byteText, std::to_string(at + 1)}));
    }
    at += length;
  }
  return Status::Success();
}

namespace {

// Takes the text after the option at args[i] into `value`, moving i past
// it. Refused with `missing` where no text follows, with `twice` where the
// option stood before, and where `what` names the text, unless it is UTF-8.
Status TakeText(const std::vector<std::string>& args, std::size_t& i,
                std::optional<std::string>& value, const char* missing, const char* twice,
                const char* what) {
  if (i + 1 == args.size()) return Status::Failure(Said(missing));
  if (value) return Status::Failure(Said(twice));
  if (what != nullptr) {
    const Status utf8 = RequireUtf8(args[i + 1], Said(what));
    if (!utf8.ok()) return utf8;
  }
  value = args[++i];
  return Status::Success();
}

}  // namespace

Outcome<PlaceOptions> TakePlaceOptions(std::vector<std::string>& args) {
  PlaceOptions options;
  std::vector<std::string> rest;
  for (std::size_t i = 0; i < args.size(); ++i) {
    Status taken = Status::Success();
    if (args[i] == kLocalOption) {
      options.local = true;
    } else if (args[i] == kPlaceOption) {
      taken = TakeText(args, i, options.name,
                       QT_TRANSLATE_NOOP("sternwerk-sky", "--place erwartet einen Ortsnamen"),
                       QT_TRANSLATE_NOOP("sternwerk-sky", "--place darf nur einmal stehen"),
                       QT_TRANSLATE_NOOP("sternwerk-sky", "Ortsname"));
    } else if (args[i] == kSavedOption) {
      taken =
          TakeText(args, i, options.saved,
                   QT_TRANSLATE_NOOP("sternwerk-sky", "--saved erwartet den Namen eines Horoskops"),
                   QT_TRANSLATE_NOOP("sternwerk-sky", "--saved darf nur einmal stehen"),
                   QT_TRANSLATE_NOOP("sternwerk-sky", "Name des Horoskops"));
    } else if (args[i] == kCollectionOption) {
      const char* once =
          QT_TRANSLATE_NOOP("sternwerk-sky", "--collection erwartet einmal den Namen der Sammlung");
      taken = TakeText(args, i, options.collection, once, once, nullptr);
    } else {
      rest.push_back(args[i]);
    }
    if (!taken.ok()) return Outcome<PlaceOptions>::Failure(taken.error());
  }
  if (options.name && options.saved)
    return Outcome<PlaceOptions>::Failure(Said(QT_TRANSLATE_NOOP(
        "sternwerk-sky", "--place gilt nicht mit --saved: das Horoskop nennt seinen Ort")));
  args = std::move(rest);
  return Outcome<PlaceOptions>::Success(options);
}

}  // namespace sternwerk

// The gettext catalogue reader on catalogues built here in both byte
// orders, and on damaged and missing files.
#include "base/message_catalogue.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace sternwerk {
namespace {

// A catalogue of `entries` (the header entry first, as msgfmt writes it).
std::string Catalogue(const std::vector<std::pair<std::string, std::string>>& entries,
                      bool bigEndian = false) {
  std::string bytes;
  const auto word = [&bytes, bigEndian](std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
      bytes += static_cast<char>(value >> (8 * (bigEndian ? 3 - i : i)) & 0xFF);
  };
  const auto count = static_cast<std::uint32_t>(entries.size());
  const std::uint32_t originals = 28;
  const std::uint32_t translations = originals + 8 * count;
  std::uint32_t text = translations + 8 * count;
  word(0x950412de);
  word(0);
  word(count);
  word(originals);
  word(translations);
  word(0);
  word(0);
  std::string texts;
  for (int column = 0; column < 2; ++column) {
    for (const auto& entry : entries) {
      const std::string& value = column == 0 ? entry.first : entry.second;
      word(static_cast<std::uint32_t>(value.size()));
      word(text);
      texts += value + '\0';
      text += static_cast<std::uint32_t>(value.size() + 1);
    }
  }
  return bytes + texts;
}

TEST(MessageCatalogue, ReadsEntriesInBothByteOrders) {
  const std::vector<std::pair<std::string, std::string>> entries = {
      {"", "Content-Type: text/plain; charset=UTF-8\n"},
      {"2867714", "München"},
      {"DE.02", "Bayern"}};
  for (const bool bigEndian : {false, true}) {
    const Outcome<MessageCatalogue> read = ParseMessageCatalogue(Catalogue(entries, bigEndian));
    ASSERT_TRUE(read.ok()) << read.error();
    EXPECT_EQ(read.value().size(), 2u) << "the header is no entry";
    EXPECT_EQ(read.value().at("2867714"), "München");
    EXPECT_EQ(read.value().at("DE.02"), "Bayern");
  }
}

TEST(MessageCatalogue, DamagedOrMissingCataloguesAreToldNotRead) {
  const std::string good = Catalogue({{"1", "eins"}, {"2", "zwei"}});
  EXPECT_FALSE(ParseMessageCatalogue("").ok());
  EXPECT_FALSE(ParseMessageCatalogue(std::string(40, 'x')).ok()) << "no magic number";
  for (std::size_t cut = 0; cut + 1 < good.size(); ++cut) {  // the last NUL is not needed
    EXPECT_FALSE(ParseMessageCatalogue(good.substr(0, cut)).ok()) << "cut after " << cut;
  }
  std::string pointsOutside = good;
  pointsOutside[28 + 4] = '\x7f';  // the first original's offset
  EXPECT_FALSE(ParseMessageCatalogue(pointsOutside).ok());

  const Outcome<MessageCatalogue> missing = ReadMessageCatalogue("/no/such/geonames.mo");
  ASSERT_FALSE(missing.ok());
  EXPECT_NE(missing.error().find("/no/such/geonames.mo"), std::string::npos);
  EXPECT_NE(missing.error().find("Datei oder Verzeichnis nicht gefunden"), std::string::npos)
      << missing.error();
}

}  // namespace
}  // namespace sternwerk

#include "base/message_catalogue.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdint>
#include <optional>

#include "base/failure_text.h"
#include "base/system_error_text.h"

namespace sternwerk {
namespace {

constexpr std::uint32_t kMagic = 0x950412de;
constexpr std::uint32_t kMagicSwapped = 0xde120495;
// Magic, revision, entry count, offset of the originals' table, offset of
// the translations' table: five 32-bit words.
constexpr std::size_t kHeaderBytes = 20;
constexpr std::size_t kTableEntryBytes = 8;  // length, offset
constexpr std::size_t kReadChunk = 65536;
constexpr const char* kContext = "sternwerk::MessageCatalogue";
constexpr const char* kNoCatalogue =
    QT_TRANSLATE_NOOP("sternwerk::MessageCatalogue", "Das ist kein Übersetzungskatalog.");
constexpr const char* kDamaged =
    QT_TRANSLATE_NOOP("sternwerk::MessageCatalogue", "Der Übersetzungskatalog ist beschädigt.");
constexpr const char* kCatalogueUnreadable = QT_TRANSLATE_NOOP(
    "sternwerk::FailureText", "Der Übersetzungskatalog %1 kann nicht gelesen werden: %2");

class CatalogueBytes {
 public:
  explicit CatalogueBytes(std::string_view bytes) : bytes_(bytes) {}

  // The 32-bit word at `offset` in the catalogue's byte order.
  std::optional<std::uint32_t> Word(std::size_t offset) const {
    if (offset > bytes_.size() || bytes_.size() - offset < 4) return std::nullopt;
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i) {
      const auto byte = static_cast<std::uint8_t>(bytes_[offset + static_cast<std::size_t>(i)]);
      value |= static_cast<std::uint32_t>(byte) << (8 * (bigEndian_ ? 3 - i : i));
    }
    return value;
  }

  bool ReadByteOrder() {
    const std::optional<std::uint32_t> magic = Word(0);
    if (magic == kMagicSwapped) bigEndian_ = true;
    return magic == kMagic || magic == kMagicSwapped;
  }

  // The string of table entry `index` in the table at `table`.
  std::optional<std::string> String(std::uint32_t table, std::uint32_t index) const {
    const std::size_t entry = std::size_t{table} + std::size_t{index} * kTableEntryBytes;
    const std::optional<std::uint32_t> length = Word(entry);
    const std::optional<std::uint32_t> offset = Word(entry + 4);
    if (!length || !offset || *offset > bytes_.size() || bytes_.size() - *offset < *length)
      return std::nullopt;
    return std::string(bytes_.substr(*offset, *length));
  }

 private:
  std::string_view bytes_;
  bool bigEndian_ = false;
};

}  // namespace

Outcome<MessageCatalogue> ParseMessageCatalogue(std::string_view bytes) {
  CatalogueBytes catalogue(bytes);
  if (bytes.size() < kHeaderBytes || !catalogue.ReadByteOrder())
    return Outcome<MessageCatalogue>::Failure(Translated(kContext, kNoCatalogue));
  const std::uint32_t count = *catalogue.Word(8);
  const std::uint32_t originals = *catalogue.Word(12);
  const std::uint32_t translations = *catalogue.Word(16);
  MessageCatalogue entries;
  for (std::uint32_t index = 0; index < count; ++index) {
    std::optional<std::string> original = catalogue.String(originals, index);
    std::optional<std::string> translation = catalogue.String(translations, index);
    if (!original || !translation)
      return Outcome<MessageCatalogue>::Failure(Translated(kContext, kDamaged));
    if (!original->empty()) entries.emplace(std::move(*original), std::move(*translation));
  }
  return Outcome<MessageCatalogue>::Success(std::move(entries));
}

Outcome<MessageCatalogue> ReadMessageCatalogue(const std::filesystem::path& file) {
  const auto unreadable = [&file](int error) {
    return Outcome<MessageCatalogue>::Failure(
        FailureText(file.string(), kCatalogueUnreadable, SystemErrorText(error)));
  };
  const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return unreadable(errno);
  std::string bytes;
  std::array<char, kReadChunk> chunk{};
  for (;;) {
    const ssize_t got = ::read(fd, chunk.data(), chunk.size());
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      const int error = errno;
      ::close(fd);
      return unreadable(error);
    }
    if (got == 0) break;
    bytes.append(chunk.data(), static_cast<std::size_t>(got));
  }
  ::close(fd);
  Outcome<MessageCatalogue> parsed = ParseMessageCatalogue(bytes);
  if (!parsed.ok())
    return Outcome<MessageCatalogue>::Failure(file.string() + ": " + parsed.error());
  return parsed;
}

}  // namespace sternwerk

// Reading a gettext message catalogue (.mo file) without the process's
// locale: the translations are looked up by their original text, whatever
// language the system is set to.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <unordered_map>

#include "base/outcome.h"

namespace sternwerk {

// Original text -> translation, both as the catalogue stores them (UTF-8
// for the catalogues this program reads). The header entry (empty
// original) is left out.
using MessageCatalogue = std::unordered_map<std::string, std::string>;

// The entries of a catalogue's bytes, in either byte order. A truncated or
// foreign file, or a string table pointing outside the bytes, is a failure
// naming what is wrong; nothing is read past the bytes.
Outcome<MessageCatalogue> ParseMessageCatalogue(std::string_view bytes);

// ParseMessageCatalogue of a file; a file that cannot be read is a failure
// naming it and the system's reason.
Outcome<MessageCatalogue> ReadMessageCatalogue(const std::filesystem::path& file);

}  // namespace sternwerk

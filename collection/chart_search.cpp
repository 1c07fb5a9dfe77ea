#include "collection/chart_search.h"

namespace sternwerk {
namespace {

constexpr char kFieldBreak = '\x01';  // between the fields of a key; never typed
constexpr unsigned char kLatin1Lead = 0xC3;
constexpr unsigned char kFirstCapital = 0x80;  // À after the lead byte
constexpr unsigned char kLastCapital = 0x9E;   // Þ
constexpr unsigned char kTimesSign = 0x97;     // ×, no letter
constexpr unsigned char kSmallDistance = 0x20;
constexpr std::size_t kNamesListed = 10;

// The words of a text, split at blanks and commas.
std::vector<std::string_view> Words(std::string_view text) {
  std::vector<std::string_view> words;
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t begin = text.find_first_not_of(" ,\t", at);
    if (begin == std::string_view::npos) break;
    std::size_t end = text.find_first_of(" ,\t", begin);
    if (end == std::string_view::npos) end = text.size();
    words.push_back(text.substr(begin, end - begin));
    at = end;
  }
  return words;
}

Outcome<Chart> NotFound(std::string_view typed) {
  return Outcome<Chart>::Failure(
      WithArguments(CollectionText(QT_TRANSLATE_NOOP(
                        "sternwerk::Collection", "Kein Horoskop heißt \"%1\" oder beginnt so.")),
                    {typed}));
}

// Several charts fit: their full names, the first kNamesListed of them.
Outcome<Chart> Several(std::string_view typed, const std::vector<const Chart*>& found) {
  std::string names;
  for (std::size_t i = 0; i < found.size() && i < kNamesListed; ++i) {
    names += (i == 0 ? "" : "; ") + FullName(*found[i]) + " (" +
             DateText(found[i]->typed.day, found[i]->typed.month, found[i]->typed.year) + ")";
  }
  if (found.size() > kNamesListed) names += "; …";
  return Outcome<Chart>::Failure(WithArguments(
      CollectionText(QT_TRANSLATE_NOOP("sternwerk::Collection",
                                       "%1 Horoskope passen zu \"%2\": %3. Bitte den Namen "
                                       "genauer angeben.")),
      {std::to_string(found.size()), typed, names}));
}

}  // namespace

std::string FoldedText(std::string_view text) {
  std::string folded(text);
  for (std::size_t i = 0; i < folded.size(); ++i) {
    const auto byte = static_cast<unsigned char>(folded[i]);
    if (byte >= 'A' && byte <= 'Z') {
      folded[i] = static_cast<char>(byte + kSmallDistance);
    } else if (byte == kLatin1Lead && i + 1 < folded.size()) {
      const auto next = static_cast<unsigned char>(folded[i + 1]);
      if (next >= kFirstCapital && next <= kLastCapital && next != kTimesSign)
        folded[i + 1] = static_cast<char>(next + kSmallDistance);
      ++i;
    }
  }
  return folded;
}

ChartFilter::ChartFilter(const std::vector<Chart>& charts) {
  keys_.reserve(charts.size());
  for (const Chart& chart : charts) {
    std::string key;
    for (const std::string* field : {&chart.name, &chart.firstName, &chart.place.name,
                                     &chart.place.region, &chart.place.country})
      key += FoldedText(*field) + kFieldBreak;
    keys_.push_back(key + std::to_string(chart.typed.year));
  }
}

std::vector<std::size_t> ChartFilter::Matching(std::string_view typed) const {
  std::vector<std::string> words;
  for (std::string_view word : Words(typed)) words.push_back(FoldedText(word));
  std::vector<std::size_t> found;
  for (std::size_t i = 0; i < keys_.size(); ++i) {
    bool all = true;
    for (const std::string& word : words) {
      if (keys_[i].find(word) == std::string::npos) {
        all = false;
        break;
      }
    }
    if (all) found.push_back(i);
  }
  return found;
}

Outcome<Chart> ChartNamed(const std::vector<Chart>& charts, std::string_view typed) {
  const std::string wanted = FoldedText(typed);
  if (wanted.find_first_not_of(' ') == std::string::npos) return NotFound(typed);
  std::vector<const Chart*> exact;
  std::vector<const Chart*> beginning;
  for (const Chart& chart : charts) {
    const std::string name = FoldedText(chart.name);
    const std::string full = FoldedText(FullName(chart));
    if (name == wanted || full == wanted) exact.push_back(&chart);
    if (name.starts_with(wanted) || full.starts_with(wanted)) beginning.push_back(&chart);
  }
  const std::vector<const Chart*>& found = exact.empty() ? beginning : exact;
  if (found.empty()) return NotFound(typed);
  if (found.size() > 1) return Several(typed, found);
  return Outcome<Chart>::Success(*found.front());
}

}  // namespace sternwerk

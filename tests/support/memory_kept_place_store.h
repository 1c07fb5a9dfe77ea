// The clock's kept place held in memory, as a test sets it and reads what
// the clock saved.
#pragma once

#include <optional>

#include "places/kept_place.h"

namespace sternwerk::testing {

class MemoryKeptPlaceStore final : public KeptPlaceStore {
 public:
  std::optional<KeptPlace> Load() const override { return kept; }
  void Save(const KeptPlace& place) override { kept = place; }

  std::optional<KeptPlace> kept;
};

}  // namespace sternwerk::testing

// The clock's kept place in the user's settings, where LoadKeptPlace and
// SaveKeptPlace keep it.
#pragma once

#include <optional>

#include "places/kept_place.h"
#include "places/qt/place_setting.h"

namespace sternwerk {

class SettingsKeptPlaceStore final : public KeptPlaceStore {
 public:
  std::optional<KeptPlace> Load() const override { return LoadKeptPlace(); }
  void Save(const KeptPlace& place) override { SaveKeptPlace(place); }
};

}  // namespace sternwerk

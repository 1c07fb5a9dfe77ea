#include "windows/computation_setting.h"

#include <QSettings>

namespace sternwerk {
namespace {

constexpr const char* kOrganization = "Sternwerk";
constexpr const char* kApplication = "sternwerk";
constexpr const char* kPreciseKey = "positionen/genau";
constexpr const char* kHorizonKey = "suche/horizont";

}  // namespace

ComputationMode LoadComputationMode() {
  const QSettings settings(kOrganization, kApplication);
  return settings.value(kPreciseKey, false).toBool() ? ComputationMode::kPrecise
                                                     : ComputationMode::kOwn;
}

void SaveComputationMode(ComputationMode mode) {
  QSettings settings(kOrganization, kApplication);
  settings.setValue(kPreciseKey, mode == ComputationMode::kPrecise);
}

bool LoadHorizonSearch() {
  const QSettings settings(kOrganization, kApplication);
  return settings.value(kHorizonKey, false).toBool();
}

void SaveHorizonSearch(bool atHorizon) {
  QSettings settings(kOrganization, kApplication);
  settings.setValue(kHorizonKey, atHorizon);
}

}  // namespace sternwerk

#include "windows/computation_setting.h"

#include <QSettings>

namespace sternwerk {
namespace {

constexpr const char* kOrganization = "Sternwerk";
constexpr const char* kApplication = "sternwerk";
constexpr const char* kPreciseKey = "positionen/genau";
constexpr const char* kHorizonKey = "suche/horizont";
constexpr const char* kFactorSetKey = "start/transplutonisch";

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

std::optional<bool> LoadFactorSetAnswer() {
  const QSettings settings(kOrganization, kApplication);
  const QVariant answer = settings.value(kFactorSetKey);
  if (!answer.isValid()) return std::nullopt;
  return answer.toBool();
}

void SaveFactorSetAnswer(std::optional<bool> transplutonian) {
  QSettings settings(kOrganization, kApplication);
  if (transplutonian) {
    settings.setValue(kFactorSetKey, *transplutonian);
  } else {
    settings.remove(kFactorSetKey);
  }
}

}  // namespace sternwerk

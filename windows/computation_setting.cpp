#include "windows/computation_setting.h"

#include <QSettings>

#include "platform/settings_file.h"

namespace sternwerk {
namespace {

constexpr const char* kPreciseKey = "positionen/genau";
constexpr const char* kHorizonKey = "suche/horizont";
constexpr const char* kLocalTimeKey = "zeit/ortszeit";
constexpr const char* kFactorSetKey = "start/transplutonisch";

}  // namespace

ComputationMode LoadComputationMode() {
  const QSettings settings(kSettingsOrganization, kSettingsApplication);
  return settings.value(kPreciseKey, false).toBool() ? ComputationMode::kPrecise
                                                     : ComputationMode::kOwn;
}

void SaveComputationMode(ComputationMode mode) {
  QSettings settings(kSettingsOrganization, kSettingsApplication);
  settings.setValue(kPreciseKey, mode == ComputationMode::kPrecise);
}

bool LoadHorizonSearch() {
  const QSettings settings(kSettingsOrganization, kSettingsApplication);
  return settings.value(kHorizonKey, false).toBool();
}

void SaveHorizonSearch(bool atHorizon) {
  QSettings settings(kSettingsOrganization, kSettingsApplication);
  settings.setValue(kHorizonKey, atHorizon);
}

bool LoadLocalTimeFirst() {
  const QSettings settings(kSettingsOrganization, kSettingsApplication);
  return settings.value(kLocalTimeKey, false).toBool();
}

void SaveLocalTimeFirst(bool localFirst) {
  QSettings settings(kSettingsOrganization, kSettingsApplication);
  settings.setValue(kLocalTimeKey, localFirst);
}

std::optional<bool> LoadFactorSetAnswer() {
  const QSettings settings(kSettingsOrganization, kSettingsApplication);
  const QVariant answer = settings.value(kFactorSetKey);
  if (!answer.isValid()) return std::nullopt;
  return answer.toBool();
}

void SaveFactorSetAnswer(std::optional<bool> transplutonian) {
  QSettings settings(kSettingsOrganization, kSettingsApplication);
  if (transplutonian) {
    settings.setValue(kFactorSetKey, *transplutonian);
  } else {
    settings.remove(kFactorSetKey);
  }
}

}  // namespace sternwerk

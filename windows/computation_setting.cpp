#include "windows/computation_setting.h"

#include <QSettings>

namespace sternwerk {
namespace {

constexpr const char* kOrganization = "Sternwerk";
constexpr const char* kApplication = "sternwerk";
constexpr const char* kPreciseKey = "positionen/genau";

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

}  // namespace sternwerk

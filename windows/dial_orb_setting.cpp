#include "windows/dial_orb_setting.h"

#include <QSettings>
#include <algorithm>
#include <cmath>

#include "charts/ninety_degree_dial.h"
#include "platform/settings_file.h"

namespace sternwerk {
namespace {

constexpr const char* kOrbKey = "scheibe/orbis";

}  // namespace

double LoadDialOrb() {
  const QSettings settings(kSettingsOrganization, kSettingsApplication);
  bool isNumber = false;
  const double orb = settings.value(kOrbKey, kDefaultDialOrb).toDouble(&isNumber);
  if (!isNumber || !std::isfinite(orb)) return kDefaultDialOrb;
  return std::clamp(orb, kLeastDialOrb, kGreatestDialOrb);
}

void SaveDialOrb(double orb) {
  QSettings settings(kSettingsOrganization, kSettingsApplication);
  settings.setValue(kOrbKey, orb);
}

}  // namespace sternwerk

#include "windows/astrology_setting.h"

#include <QSettings>
#include <QStringList>

#include "platform/settings_file.h"

namespace sternwerk {
namespace {

constexpr const char* kShownKey = "astrologie/zeigen";
constexpr const char* kSystemKey = "astrologie/haeuser";
constexpr const char* kOrbsKey = "astrologie/orben";
constexpr QChar kOrbSeparator = u';';

HouseSystem KeptSystem(const QString& letter) {
  if (letter.size() != 1) return kDefaultHouseSystem;
  return HouseSystemOfLetter(letter[0].toLatin1()).value_or(kDefaultHouseSystem);
}

// "8;8;7;7;5;2;2", the orbs in the order of the aspect kinds.
AspectOrbs KeptOrbs(const QString& kept) {
  const QStringList parts = kept.split(kOrbSeparator);
  if (parts.size() != kAspectKinds) return {};
  AspectOrbs orbs;
  for (int kind = 0; kind < kAspectKinds; ++kind) {
    bool read = false;
    const double orb = parts[kind].toDouble(&read);
    if (!read || !IsChoosableOrb(orb)) return {};
    orbs.degrees[static_cast<std::size_t>(kind)] = orb;
  }
  return orbs;
}

QString OrbsText(const AspectOrbs& orbs) {
  QStringList parts;
  for (const double orb : orbs.degrees) parts << QString::number(orb);
  return parts.join(kOrbSeparator);
}

}  // namespace

AstrologyChoices LoadAstrologyChoices() {
  const QSettings settings(kSettingsOrganization, kSettingsApplication);
  AstrologyChoices choices;
  const QVariant shown = settings.value(kShownKey);
  choices.shown = shown.toString() == QLatin1String("true");
  choices.system = KeptSystem(settings.value(kSystemKey).toString());
  choices.orbs = KeptOrbs(settings.value(kOrbsKey).toString());
  return choices;
}

void SaveAstrologyChoices(const AstrologyChoices& choices) {
  QSettings settings(kSettingsOrganization, kSettingsApplication);
  settings.setValue(kShownKey, choices.shown);
  settings.setValue(kSystemKey, QString(QChar::fromLatin1(static_cast<char>(choices.system))));
  settings.setValue(kOrbsKey, OrbsText(choices.orbs));
}

}  // namespace sternwerk

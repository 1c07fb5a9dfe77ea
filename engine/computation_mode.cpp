#include "engine/computation_mode.h"

#include "base/translation.h"

namespace sternwerk {

namespace {

const char* NameSource(ComputationUsed used) {
  switch (used) {
    case ComputationUsed::kOwn:
      return QT_TRANSLATE_NOOP("sternwerk::ComputationMode", "eigene");
    case ComputationUsed::kEphemerisFiles:
      return QT_TRANSLATE_NOOP("sternwerk::ComputationMode", "genau");
    case ComputationUsed::kAnalyticalTheory:
      return QT_TRANSLATE_NOOP("sternwerk::ComputationMode", "genau, analytisch");
    case ComputationUsed::kOwnAfterFailure:
      return QT_TRANSLATE_NOOP("sternwerk::ComputationMode", "eigene statt genau");
  }
  return "";
}

}  // namespace

std::string ComputationName(ComputationUsed used) {
  return Translated("sternwerk::ComputationMode", NameSource(used));
}

}  // namespace sternwerk

// The user's choice of computation, kept between runs in the user's
// settings (QSettings), apart from ALT.DAT and its four lines.
#pragma once

#include "engine/computation_mode.h"

namespace sternwerk {

// The choice last saved; the own computation when none was.
ComputationMode LoadComputationMode();
void SaveComputationMode(ComputationMode mode);

}  // namespace sternwerk

// The working folder of a start from the desktop menu: the folder Sternwerk
// in the user's documents folder, so that ALT.DAT and the saved charts lie
// in one visible place.
#pragma once

#include <QString>

#include "base/outcome.h"

namespace sternwerk {

inline const QString kWorkingFolderName = "Sternwerk";

// Creates `folder` when it is missing and makes it the current directory.
// The failure names the folder and the reason; the current directory is
// then unchanged.
Status EnterWorkingFolder(const QString& folder);

// The folder Sternwerk in the user's documents folder; empty when the
// system names no documents folder.
QString DocumentsWorkingFolder();

}  // namespace sternwerk

// The files the program finds beside its executable (the build tree) or, in
// an install tree under any prefix, in their folders relative to it.
#pragma once

#include <QString>

namespace sternwerk {

inline const QString kSymbolFontFile = "Roradoza.TTF";
inline const QString kStartPictureFile = "start_picture.jpg";

// The symbol font file: beside the program, else the installed system font.
QString SymbolFontPath();

// The picture of the picture window: beside the program, else in the
// program's installed data folder.
QString StartPicturePath();

}  // namespace sternwerk

// The files the program finds in its own directory.
#pragma once

#include <QString>

namespace sternwerk {

inline const QString kSymbolFontFile = "Roradoza.TTF";
inline const QString kStartPictureFile = "start_picture.jpg";

// The symbol font file in the program's directory.
QString SymbolFontPath();

// The picture of the picture window in the program's directory.
QString StartPicturePath();

}  // namespace sternwerk

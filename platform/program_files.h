// The files the program finds beside its executable (the build tree) or, in
// an install tree under any prefix, in their folders relative to it.
#pragma once

#include <QString>
#include <QtGlobal>
#include <string>

namespace sternwerk {

inline const QString kSymbolFontFile = "Roradoza.TTF";
// The start picture carries words, so each language has its own.
inline constexpr const char* kStartPictureFile =
    QT_TRANSLATE_NOOP("sternwerk::ProgramFiles", "start_picture.jpg");

// `file` beside the program when it is there, else in `installFolder`
// (relative to the program's folder). When neither exists, the path beside
// the program, so that a message about the missing file names the place it
// was looked for first.
QString FindProgramFile(const QString& file, const std::string& installFolder);

// The symbol font file: beside the program, else the installed system font.
QString SymbolFontPath();

// The picture of the picture window in the language shown: beside the
// program, else in the program's installed data folder.
QString StartPicturePath();

}  // namespace sternwerk

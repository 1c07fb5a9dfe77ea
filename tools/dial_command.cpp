#include "tools/dial_command.h"

#include <iostream>

#include "dial/dial_drawing.h"
#include "engine/sky.h"
#include "platform/canvas.h"
#include "platform/program_files.h"
#include "platform/symbol_font.h"
#include "tools/offscreen_gui.h"
#include "tools/picture_file.h"
#include "tools/sky_arguments.h"
#include "tools/sky_report.h"

namespace sternwerk {

namespace {

constexpr int kExitFailure = 2;

struct DialRequest {
  std::string path;
  std::vector<std::string> instantAndPlace;
  bool allFactors = false;
  bool noSymbols = false;
};

DialRequest ParseDialArguments(const std::vector<std::string>& args) {
  if (args.empty() || args[0].starts_with("--")) {
    throw UsageError("--dial erwartet zuerst den Namen der Bilddatei");
  }
  DialRequest request{args[0], {}, false, false};
  for (std::size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "--all") {
      request.allFactors = true;
    } else if (args[i] == "--no-symbols") {
      request.noSymbols = true;
    } else if (args[i].starts_with("--")) {
      throw UsageError("unbekannte Option " + args[i]);
    } else {
      request.instantAndPlace.push_back(args[i]);
    }
  }
  if (!PictureFormatOf(request.path)) {
    throw UsageError("Bilddatei \"" + request.path +
                     "\": erwartet die Endung .wmf, .svg oder .png");
  }
  return request;
}

}  // namespace

int WriteDialFile(const std::vector<std::string>& args, char* programPath) {
  const DialRequest request = ParseDialArguments(args);
  SkyState sky = SkyForArguments(request.instantAndPlace);
  ComputeSky(sky);
  sky.transplutonian = request.allFactors;

  const auto application = StartOffscreenGui(programPath);
  // The font stays added until the file is written: SVG and PNG draw with it.
  const ApplicationFont symbolFont(SymbolFontPath());
  sky.symbolFontPresent = !request.noSymbols && SymbolFontInstalled();

  Picture picture(kDialSize, kDialSize);
  Canvas canvas(picture);
  DrawDial(sky, canvas);
  const Status written =
      WritePictureFile(picture, {kDialBackgroundWidth, kDialBackgroundHeight}, request.path);
  if (!written.ok()) {
    std::cerr << "sternwerk-sky: " << written.error() << '\n';
    return kExitFailure;
  }
  return 0;
}

}  // namespace sternwerk

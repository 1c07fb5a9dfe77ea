#include "tools/picture_request.h"

#include <iostream>

#include "engine/sky.h"
#include "platform/offscreen_gui.h"
#include "platform/program_files.h"
#include "tools/sky_arguments.h"
#include "tools/sky_report.h"

namespace sternwerk {

namespace {

constexpr int kExitFailure = 2;

SkyState SkyOf(const PictureRequest& request) {
  return SkyForArguments(request.instantAndPlace);
}

}  // namespace

PictureRequest ParsePictureRequest(const std::vector<std::string>& args, std::string_view command) {
  if (args.empty() || args[0].starts_with("--")) {
    throw UsageError(std::string(command) + " erwartet zuerst den Namen der Bilddatei");
  }
  PictureRequest request{args[0], {}, false, false};
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
  return request;
}

void RequirePictureFormat(const std::string& path) {
  if (!PictureFormatOf(path)) {
    throw UsageError("Bilddatei \"" + path + "\": erwartet die Endung .wmf, .svg oder .png");
  }
}

PictureSession::PictureSession(const PictureRequest& request, char* programPath)
    : sky(SkyOf(request)),
      options{.transplutonian = request.allFactors},
      application_(StartOffscreenGui(programPath)),
      symbolFont_(SymbolFontPath()) {
  options.computation = ComputeSky(sky, request.mode);
  options.symbolFontPresent = !request.noSymbols && SymbolFontInstalled();
  // The pictures are drawn without the signs then; the reason is told.
  if (!request.noSymbols && !options.symbolFontPresent && !symbolFont_.status().ok()) {
    std::cerr << "sternwerk-sky: " << symbolFont_.status().error() << '\n';
  }
}

int ExitStatusOf(const Status& written) {
  if (written.ok()) return 0;
  std::cerr << "sternwerk-sky: " << written.error() << '\n';
  return kExitFailure;
}

int WriteDrawingFile(
    const std::vector<std::string>& args, char* programPath, ComputationMode mode,
    std::string_view command, PictureExtent size, PictureExtent extent,
    const std::function<void(const SkyState&, const DisplayOptions&, Canvas&)>& draw,
    std::optional<Rgb> background) {
  PictureRequest request = ParsePictureRequest(args, command);
  request.mode = mode;
  RequirePictureFormat(request.path);
  const PictureSession session(request, programPath);
  Picture picture(size.width, size.height);
  Canvas canvas(picture);
  draw(session.sky, session.options, canvas);
  return ExitStatusOf(WritePictureFile(picture, extent, request.path, background));
}

}  // namespace sternwerk

#include "tools/picture_request.h"

#include <iostream>

#include "engine/sky.h"
#include "platform/offscreen_gui.h"
#include "platform/program_files.h"
#include "tools/located_sky.h"
#include "tools/sky_report.h"
#include "tools/tool_text.h"

namespace sternwerk {

Outcome<PictureRequest> ParsePictureRequest(const std::vector<std::string>& args,
                                            std::string_view command) {
  if (args.empty() || args[0].starts_with("--")) {
    return Outcome<PictureRequest>::Failure(WithArguments(
        Said(QT_TRANSLATE_NOOP("sternwerk-sky", "%1 erwartet zuerst den Namen der Bilddatei")),
        {command}));
  }
  PictureRequest request;
  request.path = args[0];
  for (std::size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "--all") {
      request.allFactors = true;
    } else if (args[i] == "--no-symbols") {
      request.noSymbols = true;
    } else if (args[i].starts_with("--")) {
      return Outcome<PictureRequest>::Failure(WithArguments(
          Said(QT_TRANSLATE_NOOP("sternwerk-sky", "unbekannte Option %1")), {args[i]}));
    } else {
      request.instantAndPlace.push_back(args[i]);
    }
  }
  return Outcome<PictureRequest>::Success(request);
}

ToolOutcome<LocatedSky> RequestedSky(const PictureRequest& request) {
  return LocateArguments(request.instantAndPlace, request.place);
}

Status RequirePictureFormat(const std::string& path) {
  if (!PictureFormatOf(path)) {
    return Status::Failure(WithArguments(
        Said(QT_TRANSLATE_NOOP("sternwerk-sky",
                               "Bilddatei \"%1\": erwartet die Endung .wmf, .svg oder .png")),
        {path}));
  }
  return Status::Success();
}

PictureSession::PictureSession(const PictureRequest& request, SkyState instant, char* programPath)
    : sky(std::move(instant)),
      options{.transplutonian = request.allFactors},
      application_(StartOffscreenGui(programPath)),
      symbolFont_(SymbolFontPath()) {
  const SkyComputation computed = ComputeSky(sky, request.mode);
  options.computation = computed.used;
  ReportFallback(computed);
  options.symbolFontPresent = !request.noSymbols && SymbolFontInstalled();
  // The pictures are drawn without the signs then; the reason is told.
  if (!request.noSymbols && !options.symbolFontPresent && !symbolFont_.status().ok()) {
    std::cerr << "sternwerk-sky: " << symbolFont_.status().error() << '\n';
  }
}

ToolResult WritingResult(const Status& written) {
  if (written.ok()) return ToolResult::Done();
  return ToolResult::Failure(written.error());
}

ToolResult WriteDrawingFile(
    const std::vector<std::string>& args, char* programPath, ComputationMode mode,
    const PlaceOptions& place, std::string_view command, PictureExtent size, PictureExtent extent,
    const std::function<void(const SkyState&, const DisplayOptions&, Canvas&)>& draw,
    std::optional<Rgb> background) {
  Outcome<PictureRequest> parsed = ParsePictureRequest(args, command);
  if (!parsed.ok()) return ToolResult::UsageError(parsed.error());
  PictureRequest request = std::move(parsed).value();
  request.mode = mode;
  request.place = place;
  const Status format = RequirePictureFormat(request.path);
  if (!format.ok()) return ToolResult::UsageError(format.error());
  ToolOutcome<LocatedSky> instant = RequestedSky(request);
  if (!instant.ok()) return instant.ending();
  const PictureSession session(request, std::move(instant).value().sky, programPath);
  Picture picture(size.width, size.height);
  Canvas canvas(picture);
  draw(session.sky, session.options, canvas);
  return WritingResult(WritePictureFile(picture, extent, request.path, background));
}

}  // namespace sternwerk

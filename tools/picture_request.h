// What the picture commands (--dial, --chart, --outside) are asked for, and
// what drawing it needs: the sky of the instant and place, an offscreen GUI
// and the symbol font.
#pragma once

#include <QGuiApplication>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/outcome.h"
#include "engine/display_options.h"
#include "engine/sky_state.h"
#include "platform/canvas.h"
#include "platform/picture_file.h"
#include "platform/symbol_font.h"
#include "tools/located_sky.h"
#include "tools/place_options.h"
#include "tools/tool_result.h"

namespace sternwerk {

struct PictureRequest {
  std::string path;
  std::vector<std::string> instantAndPlace;
  bool allFactors = false;  // --all: the 22-factor set
  bool noSymbols = false;   // --no-symbols: drawn as if the symbol font were missing
  ComputationMode mode = ComputationMode::kOwn;  // --precise before the command
  PlaceOptions place;                            // --place, --local
};

// The arguments after `command`: FILE, then the instant and place with the
// options anywhere among them; a bad argument is a failure naming it.
Outcome<PictureRequest> ParsePictureRequest(const std::vector<std::string>& args,
                                            std::string_view command);

// The request's instant and place (LocateArguments): the sky to draw, or
// the usage error or refusal that ends the command.
ToolOutcome<LocatedSky> RequestedSky(const PictureRequest& request);

// A failure unless the file's extension names a picture format.
Status RequirePictureFormat(const std::string& path);

// The request's instant and place computed in its mode, with its factor set
// and font choice, an offscreen GUI, and the symbol font added for the
// session's lifetime: SVG, PNG and PDF are drawn with it when the file is
// written.
class PictureSession {
 public:
  PictureSession(const PictureRequest& request, SkyState instant, char* programPath);

  SkyState sky;
  DisplayOptions options;

 private:
  std::unique_ptr<QGuiApplication> application_;
  ApplicationFont symbolFont_;
};

// Done for a written file, else the failure that says why it is not.
ToolResult WritingResult(const Status& written);

// A command that writes one drawing as a picture file: parses the arguments
// after `command`, draws the sky computed in `mode` with `draw` into a picture of nominal size
// `size` and writes the file showing `extent`, in SVG and PNG on
// `background` when given. The instant and place are read with the place
// options (LocateArguments).
ToolResult WriteDrawingFile(
    const std::vector<std::string>& args, char* programPath, ComputationMode mode,
    const PlaceOptions& place, std::string_view command, PictureExtent size, PictureExtent extent,
    const std::function<void(const SkyState&, const DisplayOptions&, Canvas&)>& draw,
    std::optional<Rgb> background = std::nullopt);

}  // namespace sternwerk

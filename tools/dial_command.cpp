#include "tools/dial_command.h"

#include "charts/dial_drawing.h"
#include "tools/picture_request.h"

namespace sternwerk {

ToolResult WriteDialFile(const std::vector<std::string>& args, char* programPath,
                         ComputationMode mode, const PlaceOptions& place) {
  return WriteDrawingFile(args, programPath, mode, place, "--dial", {kDialSize, kDialSize},
                          {kDialBackgroundWidth, kDialBackgroundHeight}, DrawDial);
}

}  // namespace sternwerk

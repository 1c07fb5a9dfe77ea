#include "tools/outside_command.h"

#include "charts/chart_export.h"
#include "charts/outside_view_drawing.h"
#include "tools/picture_request.h"

namespace sternwerk {

ToolResult WriteOutsideViewFile(const std::vector<std::string>& args, char* programPath,
                                ComputationMode mode, const PlaceOptions& place) {
  return WriteDrawingFile(args, programPath, mode, place, "--outside", kOutsideViewExtent,
                          kOutsideViewExtent, DrawOutsideView, kOutsideViewBackground);
}

}  // namespace sternwerk

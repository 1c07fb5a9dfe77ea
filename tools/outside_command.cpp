#include "tools/outside_command.h"

#include "charts/outside_view_drawing.h"
#include "tools/picture_request.h"

namespace sternwerk {

Outcome<int> WriteOutsideViewFile(const std::vector<std::string>& args, char* programPath,
                                  ComputationMode mode, const PlaceOptions& place) {
  constexpr PictureExtent kView{kOutsideViewWidth, kOutsideViewHeight};
  // On the navy of the outside view's window.
  return WriteDrawingFile(args, programPath, mode, place, "--outside", kView, kView,
                          DrawOutsideView, kNavy);
}

}  // namespace sternwerk

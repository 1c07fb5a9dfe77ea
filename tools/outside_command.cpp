#include "tools/outside_command.h"

#include "platform/canvas.h"
#include "tools/picture_file.h"
#include "tools/picture_request.h"
#include "windows/outside_view_drawing.h"

namespace sternwerk {

int WriteOutsideViewFile(const std::vector<std::string>& args, char* programPath) {
  const PictureRequest request = ParsePictureRequest(args, "--outside");
  RequirePictureFormat(request.path);
  const PictureSession session(request, programPath);

  Picture view(kOutsideViewWidth, kOutsideViewHeight);
  Canvas canvas(view);
  DrawOutsideView(session.sky, canvas);
  return ExitStatusOf(
      WritePictureFile(view, {kOutsideViewWidth, kOutsideViewHeight}, request.path));
}

}  // namespace sternwerk

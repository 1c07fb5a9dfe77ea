#include "tools/dial_command.h"

#include "dial/dial_drawing.h"
#include "platform/canvas.h"
#include "tools/picture_file.h"
#include "tools/picture_request.h"

namespace sternwerk {

int WriteDialFile(const std::vector<std::string>& args, char* programPath) {
  const PictureRequest request = ParsePictureRequest(args, "--dial");
  RequirePictureFormat(request.path);
  const PictureSession session(request, programPath);

  Picture picture(kDialSize, kDialSize);
  Canvas canvas(picture);
  DrawDial(session.sky, canvas);
  return ExitStatusOf(
      WritePictureFile(picture, {kDialBackgroundWidth, kDialBackgroundHeight}, request.path));
}

}  // namespace sternwerk

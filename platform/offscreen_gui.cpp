#include "platform/offscreen_gui.h"

#include <cstdio>

namespace sternwerk {

namespace {
// QGuiApplication keeps references to its argument count and vector.
int argumentCount = 1;
char* arguments[] = {nullptr, nullptr};
// The tool reports its own failures in one line; Qt's notes about the
// environment (no runtime directory, no display) are not for its users.
void KeepOnlyCriticalMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) {
    std::fprintf(stderr, "%s\n", qPrintable(message));
  }
}

}  // namespace

std::unique_ptr<QGuiApplication> StartOffscreenGui(char* programPath) {
  qInstallMessageHandler(KeepOnlyCriticalMessages);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  arguments[0] = programPath;
  argumentCount = 1;
  return std::make_unique<QGuiApplication>(argumentCount, arguments);
}

}  // namespace sternwerk

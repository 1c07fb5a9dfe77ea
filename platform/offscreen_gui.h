// A Qt GUI application for drawing pictures from the command line, which
// needs no display: the platform defaults to "offscreen".
#pragma once

#include <QGuiApplication>
#include <memory>

namespace sternwerk {

// The application; `programPath` is argv[0]. Only one may exist at a time.
std::unique_ptr<QGuiApplication> StartOffscreenGui(char* programPath);

}  // namespace sternwerk

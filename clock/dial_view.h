// The left part of the clock window: shows the last drawn dial 1:1 on the
// navy ground.
#pragma once

#include <QImage>
#include <QWidget>

#include "platform/picture.h"

namespace sternwerk {

class DialView : public QWidget {
 public:
  explicit DialView(QWidget* parent) : QWidget(parent) {}

  // Rasterises the picture unless it is the one shown already, and repaints
  // only the part whose pixels changed.
  void SetPicture(const Picture& picture);
  const QImage& image() const { return image_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Picture picture_{0, 0};
  QImage image_;
};

}  // namespace sternwerk

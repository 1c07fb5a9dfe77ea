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

  // Paints again only where the picture's operations differ from the last
  // picture's, and repaints only there.
  void SetPicture(const Picture& picture);
  const QImage& image() const { return image_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Picture picture_{0, 0};
  QImage image_;
};

}  // namespace sternwerk

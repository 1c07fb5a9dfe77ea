// The left part of the clock window: shows the last drawn dial 1:1 on the
// navy ground.
#pragma once

#include <QImage>
#include <QRect>
#include <QRegion>
#include <QWidget>
#include <vector>

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
  // Measures the picture's operations, keeping the last picture's measures
  // of those that did not change, and gives where the two pictures differ:
  // before and after each changed operation, or the whole image when the
  // pictures are not alike.
  QRegion Remeasure(const Picture& picture);

  Picture picture_{0, 0};
  std::vector<QRect> bounds_;  // of picture_'s operations, by PaintedBounds
  QImage image_;
};

}  // namespace sternwerk

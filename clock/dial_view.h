// The left part of the clock window: shows the last drawn dial 1:1.
#pragma once

#include <QImage>
#include <QWidget>

namespace sternwerk {

class DialView : public QWidget {
 public:
  explicit DialView(QWidget* parent) : QWidget(parent) {}

  void SetImage(QImage image);
  const QImage& image() const { return image_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage image_;
};

}  // namespace sternwerk

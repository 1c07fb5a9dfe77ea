// The borderless picture window shown once at start.
#pragma once

#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QPushButton>

namespace sternwerk {

class PictureWindow : public QDialog {
  Q_OBJECT

 public:
  explicit PictureWindow(QWidget* parent = nullptr);

  // The picture that fills the window.
  void SetPicture(const QImage& picture);

  QLabel* pictureLabel;
  QPushButton* continueButton;
};

}  // namespace sternwerk

// TForm7, the borderless picture window shown once at start.
#pragma once

#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QPushButton>

namespace sternwerk {

class TForm7 : public QDialog {
  Q_OBJECT

 public:
  explicit TForm7(QWidget* parent = nullptr);

  // The picture that fills the window.
  void SetPicture(const QImage& picture);

  QLabel* Image1;
  QPushButton* Button1;
};

}  // namespace sternwerk

#include "windows/picture_window.h"

#include <QPixmap>

namespace sternwerk {
namespace {

constexpr int kWidth = 765;
constexpr int kHeight = 569;

}  // namespace

PictureWindow::PictureWindow(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
  setFixedSize(kWidth, kHeight);
  setModal(true);
  pictureLabel = new QLabel(this);
  pictureLabel->setGeometry(0, 0, kWidth, kHeight);
  pictureLabel->setScaledContents(true);
  continueButton = new QPushButton(tr("weiter"), this);
  continueButton->setGeometry(712, 547, 49, 20);
  // "weiter" is the cancel button: Escape closes the window like a click.
  connect(continueButton, &QPushButton::clicked, this, &QDialog::reject);
}

void PictureWindow::SetPicture(const QImage& picture) {
  pictureLabel->setPixmap(QPixmap::fromImage(picture));
}

}  // namespace sternwerk

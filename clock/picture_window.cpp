#include "clock/picture_window.h"

#include <QPixmap>

namespace sternwerk {
namespace {

constexpr int kWidth = 765;
constexpr int kHeight = 569;

}  // namespace

TForm7::TForm7(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
  setFixedSize(kWidth, kHeight);
  setModal(true);
  Image1 = new QLabel(this);
  Image1->setGeometry(0, 0, kWidth, kHeight);
  Image1->setScaledContents(true);
  Button1 = new QPushButton(QStringLiteral("weiter"), this);
  Button1->setGeometry(712, 547, 49, 20);
  // "weiter" is the cancel button: Escape closes the window like a click.
  connect(Button1, &QPushButton::clicked, this, &QDialog::reject);
}

void TForm7::SetPicture(const QImage& picture) {
  Image1->setPixmap(QPixmap::fromImage(picture));
}

}  // namespace sternwerk

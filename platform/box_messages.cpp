#include "platform/box_messages.h"

#include <QCheckBox>
#include <QCoreApplication>

namespace sternwerk {

namespace {

constexpr const char* kContext = "sternwerk::BoxMessages";
constexpr const char* kErrorTitle = QT_TRANSLATE_NOOP("sternwerk::BoxMessages", "Fehler");
constexpr const char* kInformationTitle =
    QT_TRANSLATE_NOOP("sternwerk::BoxMessages", "Informationen");
constexpr const char* kConfirmationTitle =
    QT_TRANSLATE_NOOP("sternwerk::BoxMessages", "Bestätigung");

// A box's title in the program's language.
QString Title(const char* title) {
  return QCoreApplication::translate(kContext, title);
}

QString WithLineFeeds(QString text) {
  text.replace("\r\n", "\n");
  text.replace('\r', '\n');
  return text;
}

}  // namespace

std::unique_ptr<QMessageBox> BoxMessages::MakeBox(MessageKind kind, const QString& title,
                                                  const QString& text, QWidget* parent) {
  auto box = std::make_unique<QMessageBox>(parent);
  box->setWindowTitle(title);
  box->setTextFormat(Qt::PlainText);
  box->setText(WithLineFeeds(text));
  switch (kind) {
    case MessageKind::kError:
      box->setIcon(QMessageBox::Critical);
      break;
    case MessageKind::kInformation:
      box->setIcon(QMessageBox::Information);
      break;
    case MessageKind::kConfirmation:
      box->setIcon(QMessageBox::Question);
      break;
    case MessageKind::kPlain:
      box->setIcon(QMessageBox::NoIcon);
      break;
  }
  if (kind == MessageKind::kConfirmation) {
    box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box->setDefaultButton(QMessageBox::Yes);
  } else {
    box->setStandardButtons(QMessageBox::Ok);
  }
  return box;
}

void BoxMessages::Error(const QString& text) {
  MakeBox(MessageKind::kError, Title(kErrorTitle), text, parent_)->exec();
}

void BoxMessages::Information(const QString& text) {
  MakeBox(MessageKind::kInformation, Title(kInformationTitle), text, parent_)->exec();
}

bool BoxMessages::Confirm(const QString& text) {
  return MakeBox(MessageKind::kConfirmation, Title(kConfirmationTitle), text, parent_)->exec() ==
         QMessageBox::Yes;
}

Messages::Answer BoxMessages::ConfirmWithChoice(const QString& text, const QString& choice) {
  const std::unique_ptr<QMessageBox> box =
      MakeBox(MessageKind::kConfirmation, Title(kConfirmationTitle), text, parent_);
  box->setCheckBox(new QCheckBox(choice));  // the box owns it
  const bool yes = box->exec() == QMessageBox::Yes;
  return {yes, box->checkBox()->isChecked()};
}

void BoxMessages::Plain(const QString& title, const QString& text) {
  MakeBox(MessageKind::kPlain, title, text, parent_)->exec();
}

}  // namespace sternwerk

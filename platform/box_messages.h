// Messages shown as modal QMessageBox dialogs.
#pragma once

#include <QMessageBox>
#include <memory>

#include "platform/messages.h"

class QWidget;

namespace sternwerk {

class BoxMessages : public Messages {
 public:
  explicit BoxMessages(QWidget* parent = nullptr) : parent_(parent) {}

  void Error(const QString& text) override;
  void Information(const QString& text) override;
  bool Confirm(const QString& text) override;
  Answer ConfirmWithChoice(const QString& text, const QString& choice) override;
  void Plain(const QString& title, const QString& text) override;

  // The box a message is shown in, unshown; texts whose lines end in a
  // carriage return alone get line feeds.
  static std::unique_ptr<QMessageBox> MakeBox(MessageKind kind, const QString& title,
                                              const QString& text, QWidget* parent);

 private:
  QWidget* parent_;
};

}  // namespace sternwerk

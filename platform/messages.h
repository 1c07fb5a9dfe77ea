// The message boxes the windows show, behind one interface so that tests can
// record them instead of blocking on a modal box.
#pragma once

#include <QString>

namespace sternwerk {

enum class MessageKind { kError, kInformation, kConfirmation, kPlain };

class Messages {
 public:
  virtual ~Messages() = default;

  // An error box titled "Fehler" with one OK button.
  virtual void Error(const QString& text) = 0;
  // An information box titled "Informationen" with one OK button.
  virtual void Information(const QString& text) = 0;
  // A confirmation box with Yes and No; true for Yes.
  virtual bool Confirm(const QString& text) = 0;
  // A confirmation box with Yes and No and a check box labelled `choice`.
  struct Answer {
    bool yes = false;
    bool choiceTicked = false;
  };
  virtual Answer ConfirmWithChoice(const QString& text, const QString& choice) = 0;
  // A box with its own title and one OK button.
  virtual void Plain(const QString& title, const QString& text) = 0;
};

}  // namespace sternwerk

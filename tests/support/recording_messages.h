// A stand-in for the message boxes in tests: records every message and
// answers confirmations from a script, never blocking.
#pragma once

#include <QString>
#include <deque>
#include <vector>

#include "platform/messages.h"

namespace sternwerk {

class RecordingMessages : public Messages {
 public:
  struct Message {
    MessageKind kind;
    QString title;  // only for plain boxes
    QString text;
  };

  void Error(const QString& text) override { shown_.push_back({MessageKind::kError, {}, text}); }
  void Information(const QString& text) override {
    shown_.push_back({MessageKind::kInformation, {}, text});
  }
  // Gives the next scripted answer, or the default answer when none is left.
  bool Confirm(const QString& text) override;
  // Confirm's answer, the check box ticked as TickChoices says.
  Answer ConfirmWithChoice(const QString& text, const QString& choice) override;
  void Plain(const QString& title, const QString& text) override {
    shown_.push_back({MessageKind::kPlain, title, text});
  }

  void ScriptAnswers(std::deque<bool> answers) { answers_ = std::move(answers); }
  void SetDefaultAnswer(bool answer) { default_answer_ = answer; }
  void TickChoices(bool ticked) { tickChoices_ = ticked; }

  const std::vector<Message>& shown() const { return shown_; }
  void Clear() { shown_.clear(); }

 private:
  std::vector<Message> shown_;
  std::deque<bool> answers_;
  bool default_answer_ = false;
  bool tickChoices_ = false;
};

}  // namespace sternwerk

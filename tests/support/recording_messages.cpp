#include "tests/support/recording_messages.h"

namespace sternwerk {

bool RecordingMessages::Confirm(const QString& text) {
  shown_.push_back({MessageKind::kConfirmation, {}, text});
  if (answers_.empty()) return default_answer_;
  const bool answer = answers_.front();
  answers_.pop_front();
  return answer;
}

Messages::Answer RecordingMessages::ConfirmWithChoice(const QString& text, const QString&) {
  return {Confirm(text), tickChoices_};
}

}  // namespace sternwerk

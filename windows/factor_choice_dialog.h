// The factor choice dialog: the user types the two-letter code of
// the factor whose rise, set or culmination is searched.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QString>
#include <optional>

#include "clock/search_state.h"
#include "engine/display_options.h"
#include "engine/event_search.h"
#include "platform/messages.h"

namespace sternwerk {

class FactorChoiceDialog : public QDialog {
  Q_OBJECT

 public:
  // `search` and `display` are the clock's, which must outlive the dialog.
  FactorChoiceDialog(const SearchState& search, const DisplayOptions& display, Messages& messages,
                     QWidget* parent = nullptr);

  // The event the factor is chosen for: the dialog's title and the refusal
  // of a factor without it. Set before each showing.
  void SetSearchedEvent(EventKind kind);
  // Empties the field and the choice and sets the range hint; runs each
  // time the dialog is shown.
  void BeginEntry();
  // ESC in the field enters the cancel code.
  void CancelOnEscape(QChar key);
  // Checks the field after every change: closes with the factor chosen,
  // closes cancelled, or explains a refused code and stays open.
  void CheckCode(const QString& text);

  // The factor chosen in the last showing; none when the dialog was
  // cancelled, by ESC, "##" or closing the window.
  const std::optional<FactorChoice>& choice() const { return choice_; }

  QPlainTextEdit* instructions;
  QLineEdit* codeEdit;
  QLabel* rangeLabel;
  QLabel* escLabel;

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  const SearchState& search_;
  const DisplayOptions& display_;
  Messages& messages_;
  std::optional<FactorChoice> choice_;
  EventKind searched_ = EventKind::kRise;
};

}  // namespace sternwerk

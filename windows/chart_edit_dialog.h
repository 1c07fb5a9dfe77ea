// The form of one chart in the charts window: its name (required), first
// name, kind and notes, and the instant and place it stands for, which a
// stored chart may exchange for the clock's.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <functional>

#include "base/outcome.h"
#include "collection/chart.h"
#include "platform/messages.h"

namespace sternwerk {

class ChartEditDialog : public QDialog {
  Q_OBJECT

 public:
  // `messages` must outlive the form.
  explicit ChartEditDialog(Messages& messages, QWidget* parent = nullptr);

  // Stores a chart: success, or the failure the form shows.
  using ChartSaver = std::function<Status(const Chart&)>;

  // Shows the form for `chart`: a new one (id 0), whose instant and place
  // are the clock's, or a stored one, which may take `clockChart`'s instead
  // of its own. "Speichern" without a name asks for one; otherwise it hands
  // the chart to `save`, whose failure is shown with the input kept. True
  // once saved.
  bool Edit(const Chart& chart, const Chart& clockChart, const ChartSaver& save);

  QLineEdit* nameEdit;
  QLineEdit* firstNameEdit;
  QComboBox* kindBox;
  QPlainTextEdit* notesEdit;
  QLabel* instantLabel;
  QCheckBox* clockInstantBox;
  QPushButton* saveButton;
  QPushButton* cancelButton;

 private:
  // The chart the form's fields describe.
  Chart FormChart() const;
  void ShowInstant();
  void Save();

  Messages& messages_;
  Chart chart_;
  Chart clockChart_;
  ChartSaver save_;
};

}  // namespace sternwerk

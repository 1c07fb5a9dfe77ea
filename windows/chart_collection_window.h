// The window "Horoskope": the chart collection of the working folder as a
// list that narrows as the user types, and its actions: open a chart (the
// clock goes to it), save the clock's instant and place as a new chart,
// edit and delete. A collection file that cannot be used is reported and
// shown as such, never as an empty collection, and nothing is written to it.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <filesystem>
#include <optional>

#include "collection/chart.h"
#include "collection/chart_store.h"
#include "platform/messages.h"

namespace sternwerk {

class ChartEditDialog;
class ChartListModel;

class ChartCollectionWindow : public QDialog {
  Q_OBJECT

 public:
  // The collection is the file kCollectionFileName in `workingDirectory`;
  // `messages` must outlive the window.
  ChartCollectionWindow(Messages& messages, std::filesystem::path workingDirectory,
                        QWidget* parent = nullptr);
  ~ChartCollectionWindow() override;

  // Before each showing: opens the collection (creating it where there is
  // none) and lists its charts, or reports why it cannot. `clockChart` is
  // the chart of the clock's instant and place, without a name.
  void Prepare(Chart clockChart);
  // The chart "Öffnen" chose, once the window has closed; none when it was
  // closed otherwise.
  const std::optional<Chart>& opened() const { return opened_; }

  // The actions of the buttons: each concerns the selected chart, save the
  // clock's instant.
  void OpenSelected();
  void SaveClockInstant();
  void EditSelected();
  void DeleteSelected();

  QLineEdit* searchEdit;
  QTableView* chartList;
  QLabel* problemLabel;
  QPushButton* openButton;
  QPushButton* saveButton;
  QPushButton* editButton;
  QPushButton* deleteButton;
  QPushButton* closeButton;
  ChartEditDialog* editDialog;

 protected:
  void done(int result) override;
  // The arrow and page keys in the search field move through the list.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Reads the collection anew and shows the charts matching the search,
  // with the chart of `selectedId` selected where it is shown, else the
  // first.
  void ShowCharts(std::int64_t selectedId = 0);
  void Search();
  void SelectRow(int row);
  std::optional<Chart> Selected() const;
  // A collection that cannot be used: its message, in the window and in a
  // box, and every action but closing disabled.
  void ShowProblem(const std::string& problem);
  void EnableActions();

  Messages& messages_;
  std::filesystem::path workingDirectory_;
  ChartListModel* model_;
  std::optional<ChartStore> store_;
  Chart clockChart_;
  std::optional<Chart> opened_;
};

}  // namespace sternwerk

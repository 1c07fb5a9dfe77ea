#include "windows/chart_collection_window.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QVBoxLayout>
#include <utility>

#include "windows/chart_edit_dialog.h"
#include "windows/chart_list_model.h"

namespace sternwerk {
namespace {

constexpr int kWindowWidth = 640;
constexpr int kWindowHeight = 420;

}  // namespace

ChartCollectionWindow::ChartCollectionWindow(Messages& messages,
                                             std::filesystem::path workingDirectory,
                                             QWidget* parent)
    : QDialog(parent),
      messages_(messages),
      workingDirectory_(std::move(workingDirectory)),
      model_(new ChartListModel(this)) {
  setWindowTitle(tr("Horoskope"));
  resize(kWindowWidth, kWindowHeight);
  searchEdit = new QLineEdit(this);
  searchEdit->setPlaceholderText(tr("Suche nach Name, Ort oder Jahr"));
  searchEdit->setClearButtonEnabled(true);
  chartList = new QTableView(this);
  chartList->setModel(model_);
  chartList->setSelectionBehavior(QAbstractItemView::SelectRows);
  chartList->setSelectionMode(QAbstractItemView::SingleSelection);
  chartList->setEditTriggers(QAbstractItemView::NoEditTriggers);
  chartList->verticalHeader()->hide();
  chartList->horizontalHeader()->setStretchLastSection(true);
  chartList->setColumnWidth(ChartListModel::kNameColumn, 200);
  chartList->setColumnWidth(ChartListModel::kInstantColumn, 180);
  problemLabel = new QLabel(this);
  problemLabel->setWordWrap(true);
  problemLabel->hide();
  openButton = new QPushButton(tr("Ö&ffnen"), this);
  saveButton = new QPushButton(tr("&Uhrzeit speichern"), this);
  editButton = new QPushButton(tr("&Bearbeiten"), this);
  deleteButton = new QPushButton(tr("&Löschen"), this);
  closeButton = new QPushButton(tr("&Zurück"), this);
  openButton->setDefault(true);
  editDialog = new ChartEditDialog(messages, this);

  auto* buttons = new QHBoxLayout;
  for (QPushButton* button : {openButton, saveButton, editButton, deleteButton})
    buttons->addWidget(button);
  buttons->addStretch();
  buttons->addWidget(closeButton);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(searchEdit);
  layout->addWidget(problemLabel);
  layout->addWidget(chartList);
  layout->addLayout(buttons);

  searchEdit->installEventFilter(this);
  connect(searchEdit, &QLineEdit::textChanged, this, &ChartCollectionWindow::Search);
  connect(chartList, &QAbstractItemView::activated, this, &ChartCollectionWindow::OpenSelected);
  connect(openButton, &QPushButton::clicked, this, &ChartCollectionWindow::OpenSelected);
  connect(saveButton, &QPushButton::clicked, this, &ChartCollectionWindow::SaveClockInstant);
  connect(editButton, &QPushButton::clicked, this, &ChartCollectionWindow::EditSelected);
  connect(deleteButton, &QPushButton::clicked, this, &ChartCollectionWindow::DeleteSelected);
  connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
  connect(chartList->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &ChartCollectionWindow::EnableActions);

  const std::pair<QObject*, const char*> names[] = {
      {searchEdit, "searchEdit"},     {chartList, "chartList"},     {problemLabel, "problemLabel"},
      {openButton, "openButton"},     {saveButton, "saveButton"},   {editButton, "editButton"},
      {deleteButton, "deleteButton"}, {closeButton, "closeButton"}, {editDialog, "editDialog"}};
  for (const auto& [object, name] : names) object->setObjectName(QString::fromLatin1(name));
}

ChartCollectionWindow::~ChartCollectionWindow() = default;

void ChartCollectionWindow::Prepare(Chart clockChart) {
  clockChart_ = std::move(clockChart);
  opened_.reset();
  problemLabel->hide();
  searchEdit->clear();
  Outcome<ChartStore> store = ChartStore::Open(workingDirectory_ / kCollectionFileName);
  if (!store.ok()) {
    store_.reset();
    model_->SetCharts({});
    ShowProblem(store.error());
    return;
  }
  store_.emplace(std::move(store).value());
  ShowCharts();
  searchEdit->setFocus();
}

void ChartCollectionWindow::done(int result) {
  store_.reset();  // another program may use the file while the window is closed
  QDialog::done(result);
}

bool ChartCollectionWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == searchEdit && event->type() == QEvent::KeyPress) {
    switch (static_cast<QKeyEvent*>(event)->key()) {
      case Qt::Key_Up:
      case Qt::Key_Down:
      case Qt::Key_PageUp:
      case Qt::Key_PageDown:
        QCoreApplication::sendEvent(chartList, event);
        return true;
      default:
        break;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void ChartCollectionWindow::ShowCharts(std::int64_t selectedId) {
  if (!store_) return;
  Outcome<std::vector<Chart>> charts = store_->All();
  if (!charts.ok()) {
    model_->SetCharts({});
    return ShowProblem(charts.error());
  }
  model_->SetCharts(std::move(charts).value());
  model_->Filter(searchEdit->text().toStdString());
  SelectRow(model_->RowOf(selectedId).value_or(0));
}

void ChartCollectionWindow::Search() {
  const std::optional<Chart> before = Selected();
  model_->Filter(searchEdit->text().toStdString());
  SelectRow(before ? model_->RowOf(before->id).value_or(0) : 0);
}

void ChartCollectionWindow::SelectRow(int row) {
  if (row < model_->rowCount()) {
    chartList->selectRow(row);
  } else {
    chartList->clearSelection();
  }
  EnableActions();
}

std::optional<Chart> ChartCollectionWindow::Selected() const {
  const QModelIndexList rows = chartList->selectionModel()->selectedRows();
  if (rows.isEmpty()) return std::nullopt;
  return model_->ChartAt(rows.first().row());
}

void ChartCollectionWindow::ShowProblem(const std::string& problem) {
  const QString message = QString::fromStdString(problem);
  problemLabel->setText(message);
  problemLabel->show();
  store_.reset();
  EnableActions();
  messages_.Error(message);
}

void ChartCollectionWindow::EnableActions() {
  const bool usable = store_.has_value();
  const bool chosen = usable && Selected().has_value();
  searchEdit->setEnabled(usable);
  chartList->setEnabled(usable);
  saveButton->setEnabled(usable);
  for (QPushButton* button : {openButton, editButton, deleteButton}) button->setEnabled(chosen);
}

void ChartCollectionWindow::OpenSelected() {
  const std::optional<Chart> chart = Selected();
  if (!store_ || !chart) return;
  opened_ = chart;
  accept();
}

void ChartCollectionWindow::SaveClockInstant() {
  if (!store_) return;
  std::int64_t savedId = 0;
  const bool saved = editDialog->Edit(clockChart_, clockChart_, [&](const Chart& chart) {
    const Outcome<std::int64_t> added = store_->Add(chart);
    if (!added.ok()) return Status::Failure(added.error());
    savedId = added.value();
    return Status::Success();
  });
  if (saved) ShowCharts(savedId);
}

void ChartCollectionWindow::EditSelected() {
  const std::optional<Chart> chart = Selected();
  if (!store_ || !chart) return;
  const bool saved = editDialog->Edit(*chart, clockChart_,
                                      [&](const Chart& edited) { return store_->Update(edited); });
  if (saved) ShowCharts(chart->id);
}

void ChartCollectionWindow::DeleteSelected() {
  const std::optional<Chart> chart = Selected();
  if (!store_ || !chart) return;
  const QString question =
      tr("Soll das Horoskop \"%1\" gelöscht werden?").arg(QString::fromStdString(FullName(*chart)));
  if (!messages_.Confirm(question)) return;
  const Status deleted = store_->Delete(chart->id);
  if (!deleted.ok()) messages_.Error(QString::fromStdString(deleted.error()));
  ShowCharts();
}

}  // namespace sternwerk
